#include "live/RecordingCsv.h"

#include "config/ParameterConversions.h"
#include "live/LiveConversions.h"
#include "live/RecordingFile.h"

#include <QList>

namespace zantrel {

namespace {

constexpr int kDecimals = 3;

QByteArray number(double value)
{
    return QByteArray::number(value, 'f', kDecimals);
}

QByteArray hexWord(quint16 word)
{
    return "0x" + QByteArray::number(word, 16).rightJustified(4, '0');
}

} // namespace

QByteArray RecordingCsvHeader()
{
    QList<QByteArray> columns{"record", "time_s", "rpm"};
    for (int c = 1; c <= live::kCylinders; ++c)
        columns << "petrol" + QByteArray::number(c) + "_ms";
    for (int c = 1; c <= live::kCylinders; ++c)
        columns << "gas" + QByteArray::number(c) + "_ms";
    columns << "pressure_bar" << "reducer_c" << "gas_c" << "lambda1_v" << "lambda2_v" << "level_v" << "fuel"
            << "errors" << "stored_errors" << "faulty_injectors";
    return columns.join(',') + '\n';
}

QByteArray RecordingCsvRow(int index, const LiveWords& w, const CsvDecoding& decoding)
{
    QList<QByteArray> cells{QByteArray::number(index + 1), number(index * kRecordSeconds),
                            QByteArray::number(PeriodToRpm(w[live::kSpeedPeriod], decoding.ignitionType))};
    for (const int word : live::kPetrolTime)
        cells << number(TicksToMs(w[size_t(word)], decoding.fastClock));
    for (const int word : live::kGasTime)
        cells << number(TicksToMs(w[size_t(word)], decoding.fastClock));
    cells << number(PressureFromCounts(w[live::kPressure]))
          << QByteArray::number(TemperatureFromWord(w[live::kReducerTemperature]))
          << QByteArray::number(TemperatureFromWord(w[live::kGasTemperature]))
          << number(LambdaVolts(w[live::kLambda1])) << number(LambdaVolts(w[live::kLambda2]))
          << number(VoltsFromVoltageCode(w[live::kLevel]))
          << (w[live::kFuelState] == 1 ? QByteArray("gas") : QByteArray("petrol")) << hexWord(w[live::kErrors])
          << hexWord(w[live::kStoredErrors]) << hexWord(w[live::kFaultyInjectors]);
    return cells.join(',') + '\n';
}

} // namespace zantrel
