#pragma once

#include "link/CommandFrame.h"
#include "live/LiveWords.h"
#include "sim/EngineModel.h"
#include "sim/FuelSwitch.h"
#include "sim/ParameterMemory.h"
#include "sim/Scenario.h"
#include "sim/StagedBank.h"
#include "sim/TableMemory.h"

#include <QByteArray>
#include <QtGlobal>

namespace zantrel::sim {

struct ControllerOptions {
    Scenario scenario = Scenario::Idle;
    bool unprogrammed = false;   // marker 0x5555 in word 0
    bool erasedCarData = false;  // extended words 0xFFFF, saved marker 0xFF
    bool fastClock = false;      // injection ticks at 1 843 200 Hz, bit 12 of word 22 set
    int cylinders = 4;           // 1..8
    double ambientC = 15.0;      // where the reducer and the gas start
};

// The gas-injection controller in software: it answers each command frame as the
// command table says, takes every write without a reply, and keeps what the reads
// give back. Its time moves only by advanceMs/advanceUs, so a test decides it.
class ControllerModel {
public:
    explicit ControllerModel(const ControllerOptions& options = {});

    // The reply to one frame; empty for a write and for a command it does not know.
    QByteArray handle(const CommandFrame& frame);

    void advanceMs(qint64 ms) { advanceUs(ms * 1000); }
    void advanceUs(qint64 us);
    qint64 nowUs() const { return nowUs_; }

    // The current error bits (live word 22) and the faulty injectors (word 31). A current
    // error is remembered (word 27) until "X" clears the memory while it has gone.
    void setErrors(quint16 errors, quint16 faultyInjectors = 0);

    LiveWords liveRecord() const;
    quint8 hardwareByte() const;
    static constexpr quint8 kSoftwareByte = 37;

    const TableMemory& tables() const { return tables_; }
    // A parameter word as the controller keeps it.
    quint16 parameter(int index) const { return params_.word(index); }

private:
    void step(double seconds);
    void countWorkingTime(qint64 us);
    void confirmParameter(int index, quint16 value);
    quint16 withOwnClockBit(quint16 word22) const;

    ControllerOptions options_;
    ParameterMemory params_;
    TableMemory tables_;
    StagedBank extended_;
    EngineModel engine_;
    FuelSwitch fuel_;
    quint16 mask_ = 0;
    quint16 errors_ = 0;
    quint16 storedErrors_ = 0;
    quint16 faultyInjectors_ = 0;
    qint64 nowUs_ = 0;
    qint64 petrolUs_ = 0; // running time not yet counted as a whole second
    qint64 gasUs_ = 0;
};

} // namespace zantrel::sim
