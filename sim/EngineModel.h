#pragma once

#include "sim/AdaptDriver.h"
#include "sim/Scenario.h"

namespace zantrel::sim {

// The engine and the gas system behind the live record. Speed and load follow the
// scenario; the reducer and the gas warm up while the engine runs; the gas pressure
// builds while gas flows and falls away on petrol; the lambda probes swing once warm;
// the tank level sender drifts while gas is used. Time only moves by step(), so a run
// is the same every time.
class EngineModel {
public:
    EngineModel(Scenario scenario, double ambientC);

    void step(double seconds, bool onGas);

    double rpm() const { return demand_.rpm; }
    double petrolMs() const { return demand_.petrolMs; }
    double reducerC() const { return reducerC_; }
    double gasC() const { return gasC_; }
    double pressureCounts() const { return pressureCounts_; }
    double lambda1Volts() const { return probeVolts(0.4, 1.1, 0.0); }
    double lambda2Volts() const { return probeVolts(0.35, 0.9, 1.0); }
    double levelCounts() const { return levelCounts_; }

private:
    double probeVolts(double amplitude, double hz, double phase) const;

    Scenario scenario_;
    AdaptDriver driver_;
    double ambientC_;
    double seconds_ = 0.0;
    EngineDemand demand_;
    double reducerC_;
    double gasC_;
    double pressureCounts_;
    double levelCounts_;
};

} // namespace zantrel::sim
