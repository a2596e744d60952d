#include "service/ReserveThresholdEntry.h"

#include "config/ConfigBitFields.h"
#include "config/ParameterConversions.h"
#include "config/ReserveSensorPresets.h"
#include "image/ParameterTable.h"
#include "image/ParameterWordIndex.h"
#include "link/WriteSequences.h"

#include <algorithm>

namespace zantrel {

namespace {

constexpr double kFullScaleVolts = 5.0;
constexpr double kLowestFullVolts = 0.01;
constexpr int kFullThreshold = kReserveThresholdCount - 1;
constexpr int kEditorPauseMs = 10;

} // namespace

double LimitedThresholdVolts(int field, double volts)
{
    const double lowest = field == kFullThreshold ? kLowestFullVolts : 0.0;
    return std::clamp(volts, lowest, kFullScaleVolts);
}

QString ThresholdText(double volts, QChar decimalSeparator)
{
    QString text = QString::number(volts, 'f', 2);
    text.replace(u'.', decimalSeparator);
    return text;
}

void StoreThresholds(ParameterTable& table, const std::array<double, kReserveThresholdCount>& volts, int direction)
{
    for (int i = 0; i < kReserveThresholdCount; ++i)
        table[kReserveThresholdWords[i]] = VoltageCodeFromVolts(LimitedThresholdVolts(i, volts[size_t(i)]));
    if (direction >= 0)
        SetShadowField(table, ConfigField::ReserveDirection, direction == 1 ? 1u : 0u);
    if (table.Known(kFlagsAWord))
        table.CommitShadow(ParameterTable::kShadow22);
}

void WriteThresholds(LinkJob& job, const ParameterTable& table)
{
    if (table.Known(kFlagsAWord))
        WriteParameter(job, quint8(kFlagsAWord), table.word(kFlagsAWord), kEditorPauseMs);
    for (const int word : kReserveThresholdWords)
        WriteParameter(job, quint8(word), table.word(word), kEditorPauseMs);
}

} // namespace zantrel
