#include "config/EmissionConversions.h"

#include "config/ParameterConversions.h"
#include "config/ParameterUnits.h"
#include "link/WriteSequences.h"
#include "live/LiveConversions.h"

#include <algorithm>
#include <cmath>

namespace zantrel {

namespace {

using U = EmissionUnit;

constexpr EmissionRow kRows[] = {
    {"EditLambdaGora", U::Volts}, {"EditLambdaDol", U::Volts},  {"EditMaxKor", U::Plain},
    {"EditMinKor", U::Plain},     {"EditNarastUp", U::Plain},   {"EditNarastDown", U::Plain},
    {"EditKorTimeDown", U::Plain}, {"EditKorTimeUp", U::Plain}, {"EditInjMin", U::Ms},
    {"EditInjMax", U::Ms},        {"EditRpmMin", U::Rpm},       {"EditRpmMax", U::Rpm},
};
static_assert(std::size(kRows) == kEmissionWords);

constexpr EmissionSwitch kSwitches[] = {
    {ConfigField::InertialFilter, "ComboBoxFiltrIner"},   {ConfigField::LambdaReaction, "ComboBoxInercLambda"},
    {ConfigField::RpmLimitation, "ComboBoxInercRPM"},     {ConfigField::LoadLimitation, "ComboBoxObcKorekt"},
    {ConfigField::SlowCorrection, "ComboBoxWolnozmienna"},
};

// The controller's lambda converter: 5 V on 4095 steps. The factor and the product are
// single precision, so that 0.75 V gives 614 and 0.4 V gives 327.
constexpr float kStepsPerVolt = 819.2000838860886f;
constexpr double kVoltsFullScale = 5.0;
constexpr double kStepsFullScale = 4095.0;

EntryKind entryKindOf(U unit)
{
    switch (unit) {
    case U::Volts:
    case U::Ms:
        return EntryKind::Decimal;
    case U::Plain:
        return EntryKind::SignedInt;
    case U::Rpm:
        return EntryKind::Digits;
    }
    return EntryKind::None;
}

} // namespace

std::span<const EmissionRow> EmissionRows() { return kRows; }
EntryKind EmissionEntryKind(int index) { return entryKindOf(kRows[index].unit); }
std::span<const EmissionSwitch> EmissionSwitches() { return kSwitches; }

QString EmissionText(int index, quint16 raw, const ParameterTable& table, QChar decimalSeparator)
{
    switch (kRows[index].unit) {
    case U::Volts:
        return EntryText(qint16(raw) * kVoltsFullScale / kStepsFullScale, 2, decimalSeparator);
    case U::Plain:
        return QString::number(raw);
    case U::Ms:
        return EntryText(TicksToMs(raw, FastClock(table)), 1, decimalSeparator);
    case U::Rpm:
        return QString::number(PeriodToRpm(raw, IgnitionType(table)));
    }
    return {};
}

std::optional<quint16> EmissionWord(int index, const QString& text, const ParameterTable& table,
                                    QChar decimalSeparator)
{
    if (index < 0 || index >= kEmissionWords)
        return std::nullopt;
    const EmissionUnit unit = kRows[index].unit;
    const std::optional<double> value = ParseEntry(text, entryKindOf(unit), decimalSeparator);
    if (!value)
        return std::nullopt;
    switch (unit) {
    case U::Volts: {
        const float product = float(*value) * kStepsPerVolt;
        return quint16(std::clamp(TruncateToInt(product), 0, 0xFFFF));
    }
    case U::Plain:
        return quint16(FitWord(qint64(*value), false));
    case U::Ms:
        return TicksWord(float(*value), FastClock(table));
    case U::Rpm:
        // A negative speed (pasted: the keys take none) has no period.
        if (*value < 0)
            return std::nullopt;
        return PeriodWord(TruncateToInt(*value), IgnitionType(table));
    }
    return std::nullopt;
}

quint32 EmissionSwitchValue(int item)
{
    return item == 1 ? 1u : 0u;
}

void AddEmissionRead(LinkJob& job, std::shared_ptr<EmissionReadout> out)
{
    for (size_t i = 0; i < out->size(); ++i)
        ReadEmissionWord(job, quint8(i), std::shared_ptr<WordReadout>(out, &(*out)[i]));
}

bool StoreEmissionRead(EmissionBlock& block, const EmissionReadout& read)
{
    bool complete = true;
    for (size_t i = 0; i < read.size(); ++i) {
        if (read[i])
            block[i] = *read[i];
        else
            complete = false;
    }
    return complete;
}

void AddEmissionWrite(LinkJob& job, const EmissionBlock& block)
{
    for (size_t i = 0; i < block.size(); ++i)
        WriteEmissionSequence(job, quint8(i), block[i]);
}

} // namespace zantrel
