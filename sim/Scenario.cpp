#include "sim/Scenario.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace zantrel::sim {

namespace {

double wave(double seconds, double periodSeconds, double phase = 0.0)
{
    return std::sin(2.0 * std::numbers::pi * seconds / periodSeconds + phase);
}

EngineDemand idle(double t)
{
    return {830.0 + 15.0 * wave(t, 1.7), 2.6 + 0.1 * wave(t, 2.3)};
}

// Speed swings between about 1650 and 3400 rpm over 20 s; the load leads it a little.
EngineDemand drive(double t)
{
    const double rpm = 2500.0 + 850.0 * wave(t, 20.0) + 50.0 * wave(t, 1.3);
    const double petrolMs = 6.0 + 2.5 * wave(t, 20.0, 0.7) + 0.2 * wave(t, 0.9);
    return {rpm, petrolMs};
}

// Six seconds of idle, then the throttle is stabbed: the load jumps at once and falls
// back within half a second, the speed rises to about 4500 rpm and coasts down.
EngineDemand stab(double t)
{
    constexpr double kCycle = 10.0;
    constexpr double kStabAt = 6.0;
    const double u = std::fmod(t, kCycle);
    const EngineDemand base = idle(t);
    if (u < kStabAt)
        return base;
    const double s = u - kStabAt;
    const double rise = 1.0 - std::exp(-s / 0.3);
    const double fall = std::exp(-std::max(0.0, s - 0.8) / 1.0);
    return {base.rpm + 3700.0 * rise * fall, base.petrolMs + 11.4 * std::exp(-s / 0.5)};
}

struct ScenarioRow {
    Scenario scenario;
    const char* name;
    EngineDemand (*demand)(double);
};

constexpr std::array<ScenarioRow, 4> kScenarios{{
    {Scenario::Idle, "idle", &idle},
    {Scenario::Drive, "drive", &drive},
    {Scenario::Stab, "stab", &stab},
    {Scenario::Adapt, "adapt", &idle},
}};

const ScenarioRow& rowOf(Scenario scenario)
{
    for (const ScenarioRow& row : kScenarios)
        if (row.scenario == scenario)
            return row;
    return kScenarios[0];
}

} // namespace

std::optional<Scenario> ScenarioFromName(const QString& name)
{
    for (const ScenarioRow& row : kScenarios)
        if (name == QLatin1String(row.name))
            return row.scenario;
    return std::nullopt;
}

QStringList ScenarioNames()
{
    QStringList names;
    for (const ScenarioRow& row : kScenarios)
        names << QLatin1String(row.name);
    return names;
}

EngineDemand DemandAt(Scenario scenario, double seconds)
{
    return rowOf(scenario).demand(seconds);
}

} // namespace zantrel::sim
