#include "live/TraceChannels.h"

#include "config/ParameterUnits.h"
#include "image/ParameterTable.h"
#include "live/LiveConversions.h"
#include "live/LiveRecord.h"

namespace zantrel {

namespace {

enum class TraceValue { PetrolTime, GasTime, Pressure, Lambda, Temperature, EngineSpeed, Correction };

struct ChannelSpec {
    TraceChannelRow row;
    TraceValue value;
    int word;      // of the live record
    int parameter; // the probe type of a lambda channel
    TraceLimits limits; // fixed limits; the injection and lambda channels work out theirs
};

constexpr int kMaxInjectionTimeWord = 8;
constexpr int kLambda1Type = 55;
constexpr int kLambda2Type = 56;
// The injection channels reach one millisecond above the maximum injection time.
constexpr double kInjectionHeadroomMs = 1.0;

constexpr TraceColour kRed{255, 0, 0};
constexpr TraceColour kBlue{0, 0, 255};
constexpr TraceColour kGreen{0, 128, 0};
constexpr TraceColour kPurple{128, 0, 128};
constexpr TraceColour kBlack{0, 0, 0};

// One row per channel, in the selectors' order.
constexpr std::array<ChannelSpec, kTraceChannels> kChannels{{
    {{TracePanel::Petrol, "Wtrysk Benz1", kRed}, TraceValue::PetrolTime, live::kPetrolTime[0], 0, {}},
    {{TracePanel::Petrol, "Wtrysk Benz2", kRed}, TraceValue::PetrolTime, live::kPetrolTime[1], 0, {}},
    {{TracePanel::Petrol, "Wtrysk Benz3", kRed}, TraceValue::PetrolTime, live::kPetrolTime[2], 0, {}},
    {{TracePanel::Petrol, "Wtrysk Benz4", kRed}, TraceValue::PetrolTime, live::kPetrolTime[3], 0, {}},
    {{TracePanel::Petrol, "Wtrysk Benz5", kRed}, TraceValue::PetrolTime, live::kPetrolTime[4], 0, {}},
    {{TracePanel::Petrol, "Wtrysk Benz6", kRed}, TraceValue::PetrolTime, live::kPetrolTime[5], 0, {}},
    {{TracePanel::Petrol, "Wtrysk Benz7", kRed}, TraceValue::PetrolTime, live::kPetrolTime[6], 0, {}},
    {{TracePanel::Petrol, "Wtrysk Benz8", kRed}, TraceValue::PetrolTime, live::kPetrolTime[7], 0, {}},
    {{TracePanel::Gas, "Wtrysk Gaz1", kBlue}, TraceValue::GasTime, live::kGasTime[0], 0, {}},
    {{TracePanel::Gas, "Wtrysk Gaz2", kBlue}, TraceValue::GasTime, live::kGasTime[1], 0, {}},
    {{TracePanel::Gas, "Wtrysk Gaz3", kBlue}, TraceValue::GasTime, live::kGasTime[2], 0, {}},
    {{TracePanel::Gas, "Wtrysk Gaz4", kBlue}, TraceValue::GasTime, live::kGasTime[3], 0, {}},
    {{TracePanel::Gas, "Wtrysk Gaz5", kBlue}, TraceValue::GasTime, live::kGasTime[4], 0, {}},
    {{TracePanel::Gas, "Wtrysk Gaz6", kBlue}, TraceValue::GasTime, live::kGasTime[5], 0, {}},
    {{TracePanel::Gas, "Wtrysk Gaz7", kBlue}, TraceValue::GasTime, live::kGasTime[6], 0, {}},
    {{TracePanel::Gas, "Wtrysk Gaz8", kBlue}, TraceValue::GasTime, live::kGasTime[7], 0, {}},
    {{TracePanel::Parameter, "Cisnienie", kGreen}, TraceValue::Pressure, live::kPressure, 0, {0.0, 4.0}},
    {{TracePanel::Parameter, "Lambda1", kPurple}, TraceValue::Lambda, live::kLambda1, kLambda1Type, {}},
    {{TracePanel::Parameter, "Lambda2", kPurple}, TraceValue::Lambda, live::kLambda2, kLambda2Type, {}},
    {{TracePanel::Parameter, "Temperatura Gazu", kGreen}, TraceValue::Temperature, live::kGasTemperature, 0,
     {-10.1, 90.0}},
    {{TracePanel::Parameter, "Temperatura Reduktora", kGreen}, TraceValue::Temperature,
     live::kReducerTemperature, 0, {-10.1, 100.0}},
    {{TracePanel::Parameter, "Obroty/min.", kBlack}, TraceValue::EngineSpeed, live::kSpeedPeriod, 0,
     {0.0, 8000.0}},
    {{TracePanel::Parameter, "Korekta", kBlue}, TraceValue::Correction, 0, 0, {-100.0, 100.0}},
}};

// "Odlaczona", "0 - 1V", "0,8 - 1,6V", "1,5 - 4V", "0 - 5V", "1 - 0V", "5 - 0V".
constexpr std::array<TraceLimits, 7> kLambdaLimits{{
    {-0.1, 1.1},
    {-0.1, 1.1},
    {0.8, 1.6},
    {1.5, 4.0},
    {-0.1, 5.0},
    {-0.1, 1.0},
    {-0.1, 5.0},
}};

constexpr std::array<TraceChannelRow, kTraceChannels> kRows = [] {
    std::array<TraceChannelRow, kTraceChannels> rows{};
    for (size_t c = 0; c < rows.size(); ++c)
        rows[c] = kChannels[c].row;
    return rows;
}();

TraceLimits injectionLimits(const ParameterTable& table)
{
    const quint32 maximum = quint32(table[kMaxInjectionTimeWord]) & 0xFFFF;
    return {0.0, TicksToMs(maximum, FastClock(table)) + kInjectionHeadroomMs};
}

double correction(const LiveRecord& record)
{
    const quint16 petrol = record[live::kPetrolTime[0]];
    if (petrol == 0 || !record.OnGas())
        return 0.0;
    return record[live::kGasTime[0]] * 1.0 / (petrol * 1.0) * 100.0 - 100.0;
}

} // namespace

std::span<const TraceChannelRow> TraceChannelTable()
{
    return kRows;
}

std::span<const TraceChannelRow> TraceChannelsOf(TracePanel panel)
{
    size_t first = 0;
    while (first < kRows.size() && kRows[first].panel != panel)
        ++first;
    size_t end = first;
    while (end < kRows.size() && kRows[end].panel == panel)
        ++end;
    return std::span<const TraceChannelRow>(kRows).subspan(first, end - first);
}

std::optional<int> TraceChannelOf(TracePanel panel, int item)
{
    const std::span<const TraceChannelRow> items = TraceChannelsOf(panel);
    if (item < 0 || item >= int(items.size()))
        return std::nullopt;
    return int(&items[size_t(item)] - kRows.data());
}

std::optional<TraceLimits> LambdaTraceLimits(qint32 probeType)
{
    if (probeType < 0 || probeType >= qint32(kLambdaLimits.size()))
        return std::nullopt;
    return kLambdaLimits[size_t(probeType)];
}

std::optional<TraceSample> TraceSampleOf(int channel, const LiveRecord& record, const ParameterTable& table)
{
    const ChannelSpec& spec = kChannels[size_t(channel)];
    const quint16 word = record[spec.word];
    switch (spec.value) {
    case TraceValue::PetrolTime:
        return TraceSample{TicksToMs(word, FastClock(table)), injectionLimits(table)};
    case TraceValue::GasTime:
        return TraceSample{record.OnGas() ? TicksToMs(word, FastClock(table)) : 0.0, injectionLimits(table)};
    case TraceValue::Pressure:
        return TraceSample{PressureFromCounts(word), spec.limits};
    case TraceValue::Lambda: {
        const qint32 type = table[spec.parameter];
        const std::optional<TraceLimits> limits = LambdaTraceLimits(type);
        if (!limits)
            return std::nullopt;
        return TraceSample{type == 0 ? 0.0 : LambdaVolts(word), *limits};
    }
    case TraceValue::Temperature:
        return TraceSample{double(TemperatureFromWord(word)), spec.limits};
    case TraceValue::EngineSpeed:
        return TraceSample{double(PeriodToRpm(word, IgnitionType(table))), spec.limits};
    case TraceValue::Correction:
        return TraceSample{correction(record), spec.limits};
    }
    return std::nullopt;
}

std::optional<TraceSample> ScreenTraces::Advance(int channel, const LiveRecord& record, const ParameterTable& table,
                                                 int width)
{
    const std::optional<TraceSample> sample = TraceSampleOf(channel, record, table);
    if (sample)
        channels_[size_t(channel)].Advance(sample->value, sample->limits, width);
    return sample;
}

} // namespace zantrel
