#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace zantrel::sim {

// What the driver does with the engine: idle, an ordinary drive, idling with a stab of
// the throttle every ten seconds, or following an adaptation run (AdaptDriver).
enum class Scenario { Idle, Drive, Stab, Adapt };

std::optional<Scenario> ScenarioFromName(const QString& name);
QStringList ScenarioNames();

// Engine speed and base petrol injection time at a moment of the scenario. A pure
// function of time, so every run of a scenario is the same; `adapt` starts from idle
// here and its driver (AdaptDriver) takes over as the engine runs.
struct EngineDemand {
    double rpm;
    double petrolMs;
};
EngineDemand DemandAt(Scenario scenario, double seconds);

} // namespace zantrel::sim
