#pragma once

#include <QChar>
#include <QString>
#include <QtGlobal>

namespace zantrel {

// The texts of the live displays. Numbers use the decimal separator they are given.

// `value` with `decimals` places, rounded once to the fewer of `decimals` and the places
// that `significant` digits leave (when that is not 0); the places beyond are zeros
// ("123,50" for 123.456 with 4 and 2). A number with more whole digits than
// `significant` keeps them, rounded to that many digits ("12350,00" for 12345.6).
QString FixedText(double value, int decimals, QChar separator, int significant = 0);

// "1,25": two decimals, four significant digits; the time fields add "ms".
QString InjectionTimeNumber(float ms, QChar separator);
QString InjectionTimeText(float ms, QChar separator);
// What the gas time fields show while the engine runs on petrol.
inline const QString kGasTimeOnPetrolText = QStringLiteral("0,00ms");

// "1500rpm".
QString EngineSpeedText(int rpm);
// "1,06": two decimals, three significant digits; the status field adds "Bar".
QString PressureNumber(float bar, QChar separator);
// "-10°C".
QString TemperatureText(int celsius);
// "0,45", and "0,45V" as the lambda fields show it.
QString LambdaNumber(float volts, QChar separator);
QString LambdaText(float volts, QChar separator);
// "2,44 V".
QString LevelVoltsText(double volts, QChar separator);

// The gas time against the petrol time while on gas: "+20,0%" or "-20,0%", and "00.0%"
// while the petrol time is 0. On petrol the field reads kCorrectionOnPetrolText.
QString CorrectionText(quint32 petrolTicks, quint32 gasTicks, QChar separator);
inline const QString kCorrectionOnPetrolText = QStringLiteral("00,0%");

} // namespace zantrel
