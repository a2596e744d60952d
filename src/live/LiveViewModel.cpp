#include "live/LiveViewModel.h"

#include "config/ParameterConversions.h"
#include "config/ParameterUnits.h"
#include "image/ParameterTable.h"
#include "image/ParameterWordIndex.h"
#include "live/LiveConversions.h"
#include "live/LiveRecord.h"
#include "live/LiveTexts.h"
#include "live/ReserveLevel.h"

namespace zantrel {

namespace {

constexpr int kMaxInjectionTimeWord = 8;
constexpr std::array<int, kLambdaProbes> kLambdaTypeWord{55, 56};
constexpr std::array<int, kLambdaProbes> kLambdaRecordWord{live::kLambda1, live::kLambda2};

void showTankPicture(const LiveRecord& record, const ParameterTable& table, LiveViewState& state,
                     LiveViewModel& view)
{
    const int picture = record.OnGas() ? ReserveLevel(record[live::kLevel], ReserveThresholdsOf(table)) : 0;
    if (picture != state.shownLevelImage) {
        state.shownLevelImage = picture;
        view.tankPicture = picture;
    }
}

void showPetrolTimes(const LiveRecord& record, bool fastClock, QChar sep, LiveViewState& state,
                     LiveViewModel& view)
{
    for (int n = 0; n < live::kCylinders; ++n) {
        const quint16 ticks = record[live::kPetrolTime[size_t(n)]];
        view.petrolTimes[size_t(n)] = InjectionTimeText(TicksToMs(ticks, fastClock), sep);
        view.petrolBars[size_t(n)] = ticks;
    }
    const float first = TicksToMs(record[live::kPetrolTime[0]], fastClock);
    float& maximum = record.OnGas() ? state.petrolMaxOnGas : state.petrolMaxOnPetrol;
    if (first >= maximum) {
        maximum = first;
        (record.OnGas() ? view.petrolMaxOnGas : view.petrolMaxOnPetrol) = view.petrolTimes[0];
    }
}

void showGasTimes(const LiveRecord& record, bool fastClock, QChar sep, LiveViewModel& view)
{
    if (!record.OnGas()) {
        view.gasTimes.fill(kGasTimeOnPetrolText);
        view.gasBars.fill(0);
        view.correctionText = kCorrectionOnPetrolText;
        return;
    }
    for (int n = 0; n < live::kCylinders; ++n) {
        const quint16 ticks = record[live::kGasTime[size_t(n)]];
        view.gasTimes[size_t(n)] = InjectionTimeText(TicksToMs(ticks, fastClock), sep);
        view.gasBars[size_t(n)] = ticks;
    }
    view.correctionText = CorrectionText(record[live::kPetrolTime[0]], record[live::kGasTime[0]], sep);
}

} // namespace

std::array<LambdaScale, kLambdaProbes> LambdaScalesOf(const ParameterTable& table)
{
    std::array<LambdaScale, kLambdaProbes> scales{};
    for (int p = 0; p < kLambdaProbes; ++p)
        scales[size_t(p)] = LambdaScaleOf(table[kLambdaTypeWord[size_t(p)]]);
    return scales;
}

LiveViewModel ComputeLiveView(const LiveRecord& record, const ParameterTable& table, QChar sep,
                              LiveViewState& state)
{
    LiveViewModel view;
    view.lambdaScale = LambdaScalesOf(table);

    showTankPicture(record, table, state, view);
    view.fuel = state.fuelMode.Show(record);
    view.lamp = ErrorLampFor(record);

    // A speed needs the ignition type: until word 21 is known, none is shown rather than
    // one converted with a guessed type.
    if (table.Known(kIgnitionTypeWord)) {
        view.rpm = PeriodToRpm(record[live::kSpeedPeriod], IgnitionType(table));
        view.rpmThousands = view.rpm * 0.001;
        view.rpmText = EngineSpeedText(view.rpm);
        view.rpmNumber = QString::number(view.rpm);
    }

    view.pressure = PressureFromCounts(record[live::kPressure]);
    view.pressureNumber = PressureNumber(view.pressure, sep);
    view.pressureText = view.pressureNumber + QStringLiteral("Bar");

    const bool fastClock = FastClock(table);
    showPetrolTimes(record, fastClock, sep, state, view);
    showGasTimes(record, fastClock, sep, view);
    view.injectionBarScale = table[kMaxInjectionTimeWord];

    view.reducerTemperature = TemperatureFromWord(record[live::kReducerTemperature]);
    view.gasTemperature = TemperatureFromWord(record[live::kGasTemperature]);
    view.reducerTemperatureText = TemperatureText(view.reducerTemperature);
    view.gasTemperatureText = TemperatureText(view.gasTemperature);

    for (int p = 0; p < kLambdaProbes; ++p) {
        if (!view.lambdaScale[size_t(p)].connected)
            continue;
        const float volts = LambdaVolts(record[kLambdaRecordWord[size_t(p)]]);
        view.lambda[size_t(p)] = LambdaReading{volts, LambdaText(volts, sep)};
    }

    view.levelVoltsText = LevelVoltsText(VoltsFromVoltageCode(record[live::kLevel]), sep);
    return view;
}

} // namespace zantrel
