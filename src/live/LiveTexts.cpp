#include "live/LiveTexts.h"

#include "live/LiveConversions.h"

namespace zantrel {

namespace {

constexpr int kTimeSignificant = 4;
constexpr int kTimeDecimals = 2;
constexpr int kPressureSignificant = 3;
constexpr int kPressureDecimals = 2;
constexpr int kCorrectionSignificant = 3;
constexpr int kCorrectionDecimals = 1;
constexpr int kVoltsDecimals = 2;

} // namespace

QString FixedText(double value, int decimals, QChar separator, int significant)
{
    if (significant > 0)
        value = QString::number(value, 'g', significant).toDouble();
    QString text = QString::number(value, 'f', decimals);
    text.replace(QLatin1Char('.'), separator);
    return text;
}

QString InjectionTimeText(float ms, QChar separator)
{
    return FixedText(ms, kTimeDecimals, separator, kTimeSignificant) + QStringLiteral("ms");
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

QString LambdaText(float volts, QChar separator)
{
    return FixedText(volts, kVoltsDecimals, separator) + QStringLiteral("V");
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
