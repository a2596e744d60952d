#include "live/LiveTexts.h"

#include "live/LiveConversions.h"

#include <algorithm>
#include <cmath>

namespace zantrel {

namespace {

constexpr int kTimeSignificant = 4;
constexpr int kTimeDecimals = 2;
constexpr int kPressureSignificant = 3;
constexpr int kPressureDecimals = 2;
constexpr int kCorrectionSignificant = 3;
constexpr int kCorrectionDecimals = 1;
constexpr int kVoltsDecimals = 2;

// The digits in front of the point: 0 below 1.
int wholeDigits(double value)
{
    int digits = 0;
    for (double m = std::abs(value); m >= 1.0; m /= 10.0)
        ++digits;
    return digits;
}

} // namespace

// Rounded once: a value rounded to its significant digits and then again to its decimals
// can come out a step too low (0.85503 would read 0.855 and then 0.85).
QString FixedText(double value, int decimals, QChar separator, int significant)
{
    int places = decimals;
    if (significant > 0 && std::isfinite(value))
        places = std::min(decimals, significant - wholeDigits(value));
    QString text;
    if (places >= 0) {
        text = QString::number(value, 'f', places);
    } else {
        const double unit = std::pow(10.0, -places);
        text = QString::number(std::round(value / unit) * unit, 'f', 0);
    }
    const int padding = decimals - std::max(places, 0);
    if (padding > 0) {
        if (places <= 0)
            text += QLatin1Char('.');
        text += QString(padding, QLatin1Char('0'));
    }
    text.replace(QLatin1Char('.'), separator);
    return text;
}

QString InjectionTimeNumber(float ms, QChar separator)
{
    return FixedText(ms, kTimeDecimals, separator, kTimeSignificant);
}

QString InjectionTimeText(float ms, QChar separator)
{
    return InjectionTimeNumber(ms, separator) + QStringLiteral("ms");
}

QString EngineSpeedText(int rpm)
{
    return QString::number(rpm) + QStringLiteral("rpm");
}

QString PressureNumber(float bar, QChar separator)
{
    return FixedText(bar, kPressureDecimals, separator, kPressureSignificant);
}

QString TemperatureText(int celsius)
{
    return QString::number(celsius) + QStringLiteral("°C");
}

QString LambdaNumber(float volts, QChar separator)
{
    return FixedText(volts, kVoltsDecimals, separator);
}

QString LambdaText(float volts, QChar separator)
{
    return LambdaNumber(volts, separator) + QStringLiteral("V");
}

QString LevelVoltsText(double volts, QChar separator)
{
    return FixedText(volts, kVoltsDecimals, separator) + QStringLiteral(" V");
}

QString CorrectionText(quint32 petrolTicks, quint32 gasTicks, QChar separator)
{
    const std::optional<double> r = CorrectionPercent(petrolTicks, gasTicks);
    // Without a petrol time the text keeps its point whatever the locale.
    if (!r)
        return QStringLiteral("00.0%");
    const bool above = *r >= 100.0;
    const double difference = above ? *r - 100.0 : 100.0 - *r;
    return (above ? QStringLiteral("+") : QStringLiteral("-"))
        + FixedText(difference, kCorrectionDecimals, separator, kCorrectionSignificant) + QStringLiteral("%");
}

} // namespace zantrel
