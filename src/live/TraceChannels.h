#pragma once

#include "live/TraceChannel.h"

#include <QString>

#include <array>
#include <optional>
#include <span>

namespace zantrel {

class LiveRecord;
class ParameterTable;

// The three panels of the oscilloscope tab, top to bottom.
enum class TracePanel { Petrol, Gas, Parameter };
constexpr int kTracePanels = 3;

// The 23 channels: petrol injectors 1..8, gas injectors 1..8, then the engine parameters
// "Cisnienie", "Lambda1", "Lambda2", "Temperatura Gazu", "Temperatura Reduktora",
// "Obroty/min." and "Korekta".
constexpr int kTraceChannels = 23;

struct TraceChannelRow {
    TracePanel panel;
    const char* item; // the selector's text
    TraceColour colour;
};

std::span<const TraceChannelRow> TraceChannelTable();
// The selector items of a panel, in order, and the channel of item `item`; none for an
// item the panel does not have.
std::span<const TraceChannelRow> TraceChannelsOf(TracePanel panel);
std::optional<int> TraceChannelOf(TracePanel panel, int item);

struct TraceSample {
    double value = 0.0;
    TraceLimits limits;
};

// The channel's value of this record and its limits, as drawn; none for a lambda channel
// whose probe type is not one of the list's.
std::optional<TraceSample> TraceSampleOf(int channel, const LiveRecord& record, const ParameterTable& table);

// The limits of a lambda channel by the probe's type (parameter 55 or 56).
std::optional<TraceLimits> LambdaTraceLimits(qint32 probeType);

// The histories of all channels, which live as long as the program: only the channel a
// panel shows advances, the others stand still until they are shown again.
class ScreenTraces {
public:
    // Adds this record's value to `channel`, kept as of a panel `width` wide; none when the
    // channel has nothing to draw for it.
    std::optional<TraceSample> Advance(int channel, const LiveRecord& record, const ParameterTable& table,
                                       int width);

    TraceChannel& Channel(int channel) { return channels_[size_t(channel)]; }
    const TraceChannel& Channel(int channel) const { return channels_[size_t(channel)]; }

private:
    std::array<TraceChannel, kTraceChannels> channels_{};
};

} // namespace zantrel
