#include "sim/ControllerModel.h"

#include "live/LiveConversions.h"
#include "sim/ExtendedWords.h"
#include "sim/FactoryValues.h"
#include "sim/GasCorrection.h"
#include "sim/LiveRecordAssembly.h"
#include "sim/Replies.h"

#include <algorithm>
#include <cmath>

namespace zantrel::sim {

namespace {

// Parameter words the controller itself works from.
constexpr int kEnrichmentWord = 1;
constexpr int kMinReducerWord = 5;
constexpr int kMaxGasTimeWord = 8;
constexpr int kChangeOverWord = 14;
constexpr int kIgnitionWord = 21;
constexpr int kFlagsAWord = 22;
constexpr int kPetrolTimeHigh = 35;
constexpr int kGasTimeHigh = 37;
constexpr int kFlagsBWord = 47;

constexpr quint16 kLowPressure = 0x0001; // error 1
constexpr qint64 kStepUs = 10'000;
constexpr qint64 kSecondUs = 1'000'000;
constexpr quint8 kVariantMinusOne = 3; // device variant 4

quint8 arg1(const CommandFrame& f) { return f.bytes[1]; }
quint8 arg2(const CommandFrame& f) { return f.bytes[2]; }
quint8 arg3(const CommandFrame& f) { return f.bytes[3]; }
quint16 wordArg(const CommandFrame& f) { return quint16((f.bytes[2] << 8) | f.bytes[3]); }

} // namespace

ControllerModel::ControllerModel(const ControllerOptions& options)
    : options_(options)
    , extended_(kExtendedWords)
    , engine_(options.scenario, options.ambientC)
{
    options_.cylinders = std::clamp(options_.cylinders, 1, live::kCylinders);
    for (const ParameterStart& row : ParameterStartTable())
        params_.set(row.index, row.value);
    params_.set(kFlagsAWord, withOwnClockBit(params_.word(kFlagsAWord)));
    if (options_.unprogrammed)
        params_.set(0, kUnprogrammedMarker);
    const ExtendedImage image = options_.erasedCarData ? ErasedCarDataImage() : StoredCarDataImage();
    for (int i = 0; i < kExtendedWords; ++i)
        extended_.set(i, image[size_t(i)]);
}

// One row per command: the reads answer from what the controller keeps, the writes
// change it and answer nothing.
QByteArray ControllerModel::handle(const CommandFrame& frame)
{
    using M = ControllerModel;
    using F = const CommandFrame&;
    struct Read {
        char command;
        QByteArray (*reply)(const M&, F);
    };
    struct Write {
        char command;
        void (*apply)(M&, F);
    };
    static constexpr Read kReads[] = {
        {'V', [](const M& m, F) { return LiveReply(m.liveRecord()); }},
        {'I', [](const M& m, F) { return IdentifyReply(m.hardwareByte(), kSoftwareByte); }},
        {'d', [](const M& m, F f) { return WordReply(arg1(f), m.params_.word(arg1(f))); }},
        {'P', [](const M& m, F f) { return ExtendedWordReply(arg1(f), m.extended_.word(arg1(f))); }},
        {'}', [](const M& m, F f) { return WordReply(arg1(f), m.tables_.point(arg1(f))); }},
        {'L', [](const M& m, F f) { return WordReply(arg1(f), m.tables_.cell(arg1(f), arg2(f))); }},
        {'2', [](const M& m, F f) { return WordReply(arg1(f), m.tables_.curvePoint(arg1(f))); }},
        {'q', [](const M& m, F f) { return WordReply(arg1(f), m.tables_.emission(arg1(f))); }},
        {'.', [](const M& m, F f) { return WordReply(arg1(f), m.tables_.tempBreakpoint(arg1(f))); }},
        {'|', [](const M& m, F f) { return WordReply(arg1(f), m.tables_.tempCorrection(arg1(f))); }},
    };
    static constexpr Write kWrites[] = {
        {'B', [](M& m, F) { m.fuel_.command(FuelMode::Petrol); }},
        {'A', [](M& m, F) { m.fuel_.command(FuelMode::Automatic); }},
        {'G', [](M& m, F) { m.fuel_.command(FuelMode::Gas); }},
        {'X', [](M& m, F) { m.storedErrors_ = 0; }},
        {'O', [](M& m, F f) { m.mask_ = wordArg(f); }},
        {'K', [](M& m, F f) { m.params_.select(arg1(f)); }},
        {'E', [](M& m, F f) { m.params_.offer(arg1(f), wordArg(f)); }},
        {'D', [](M& m, F f) { m.confirmParameter(arg1(f), wordArg(f)); }},
        {'M', [](M& m, F f) { m.extended_.select(arg1(f)); }},
        {'U', [](M& m, F f) { m.extended_.store(arg1(f), wordArg(f)); }},
        {']', [](M& m, F f) { m.tables_.setPoint(arg1(f), wordArg(f)); }},
        {'F', [](M& m, F f) { m.tables_.setCell(arg1(f), arg2(f), arg3(f)); }},
        {'>', [](M& m, F f) { m.tables_.mapBank().select(arg1(f)); }},
        {'_', [](M& m, F f) { m.tables_.mapBank().store(arg1(f), wordArg(f)); }},
        {'!', [](M& m, F f) { m.tables_.setCurvePoint(arg1(f), arg3(f)); }},
        {'4', [](M& m, F f) { m.tables_.secondBank().select(arg1(f)); }},
        {'7', [](M& m, F f) { m.tables_.secondBank().store(arg1(f), wordArg(f)); }},
        {'Q', [](M& m, F f) { m.tables_.setEmission(arg1(f), wordArg(f)); }},
        {'%', [](M& m, F f) { m.tables_.setTempBreakpoint(arg1(f), arg3(f)); }},
        {'^', [](M& m, F f) { m.tables_.setTempCorrection(arg1(f), arg3(f)); }},
    };
    for (const Read& read : kReads)
        if (read.command == frame.command())
            return read.reply(*this, frame);
    for (const Write& write : kWrites)
        if (write.command == frame.command())
            write.apply(*this, frame);
    return {};
}

void ControllerModel::advanceUs(qint64 us)
{
    while (us > 0) {
        const qint64 dt = std::min(us, kStepUs);
        step(double(dt) / 1e6);
        countWorkingTime(dt);
        nowUs_ += dt;
        us -= dt;
    }
}

void ControllerModel::step(double seconds)
{
    engine_.step(seconds, fuel_.onGas());
    const quint16 ignition = params_.word(kIgnitionWord);
    fuel_.step({
        int(std::lround(engine_.reducerC())),
        qint16(params_.word(kMinReducerWord)),
        engine_.rpm(),
        PeriodToRpm(params_.word(kChangeOverWord), ignition),
        (storedErrors_ & kLowPressure) != 0,
        (errors_ & kLowPressure) != 0,
    });
    storedErrors_ |= errors_;
}

// Whole seconds of running go into the petrol or the gas counter, each a 32-bit count
// kept high word first in two parameter words.
void ControllerModel::countWorkingTime(qint64 us)
{
    if (engine_.rpm() <= 0.0)
        return;
    qint64& carry = fuel_.onGas() ? gasUs_ : petrolUs_;
    const int high = fuel_.onGas() ? kGasTimeHigh : kPetrolTimeHigh;
    carry += us;
    if (carry < kSecondUs)
        return;
    const quint32 seconds = quint32(carry / kSecondUs);
    carry %= kSecondUs;
    const quint32 total = ((quint32(params_.word(high)) << 16) | params_.word(high + 1)) + seconds;
    params_.set(high, quint16(total >> 16));
    params_.set(high + 1, quint16(total & 0xFFFF));
}

// Bit 12 of word 22 tells which clock the controller counts injection time with; it is
// the controller's own, so a write keeps it as it is.
quint16 ControllerModel::withOwnClockBit(quint16 word22) const
{
    return quint16((word22 & ~kFastClockBit) | (options_.fastClock ? kFastClockBit : 0));
}

void ControllerModel::setErrors(quint16 errors, quint16 faultyInjectors)
{
    errors_ = errors;
    faultyInjectors_ = faultyInjectors;
    storedErrors_ |= errors;
}

quint8 ControllerModel::hardwareByte() const
{
    // The cylinder nibble names the upper end of a range n - 1..n; eight cylinders set bit 7.
    return quint8((options_.cylinders << 4) | kVariantMinusOne);
}

LiveWords ControllerModel::liveRecord() const
{
    const int ignition = params_.word(kIgnitionWord);
    const double clockHz = options_.fastClock ? kFastTickClockHz : kSlowTickClockHz;
    const CorrectionInputs correction{
        MapKindOf(params_.word(kFlagsBWord)),
        int(engine_.rpm()),
        quint32(engine_.petrolMs() * clockHz / 1000.0),
        ignition,
        params_.word(kEnrichmentWord),
    };
    return AssembleLiveRecord({
        engine_,
        fuel_.onGas(),
        options_.cylinders,
        options_.fastClock,
        ignition,
        GasCorrectionByte(tables_, correction),
        params_.word(kMaxGasTimeWord),
        mask_,
        errors_,
        storedErrors_,
        faultyInjectors_,
    });
}

void ControllerModel::confirmParameter(int index, quint16 value)
{
    if (params_.confirm(index, value) && index == kFlagsAWord)
        params_.set(kFlagsAWord, withOwnClockBit(params_.word(kFlagsAWord)));
}

} // namespace zantrel::sim
