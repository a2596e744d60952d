#include "live/TraceChannel.h"

#include "live/LiveTexts.h"

#include <algorithm>
#include <cmath>

namespace zantrel {

namespace {

constexpr int kLabelDecimals = 2;
constexpr int kLabelSignificant = 4;
constexpr int kMinimumLabelRise = 14;
constexpr int kCursorLabelX = 240;
constexpr int kValueLabelX = 2;
constexpr int kValueLabelLowest = 20; // above the bottom edge
constexpr int kExtremeFont = 8;
constexpr int kCursorFont = 10;
constexpr int kValueFont = 12;

int truncated(double v)
{
    return int(std::trunc(v));
}

QString labelText(double value, QChar separator)
{
    return FixedText(value, kLabelDecimals, separator, kLabelSignificant);
}

} // namespace

void TraceChannel::Advance(double value, const TraceLimits& limits, int width)
{
    if (value > limits.upper)
        value = limits.upper;
    else if (value < limits.lower)
        value = limits.lower;
    const float rel = float(value - limits.lower);

    // Oldest first, so that of equal entries the newest is the one kept; an equal old
    // entry wins over the new value.
    minimum = {0, rel};
    maximum = {0, rel};
    for (int i = std::min(width, kTraceLength - 1); i >= 1; --i) {
        const float shifted = History[size_t(i - 1)];
        History[size_t(i)] = shifted;
        if (shifted >= maximum.value)
            maximum = {i, shifted};
        if (shifted <= minimum.value)
            minimum = {i, shifted};
    }
    History[0] = rel;
}

TraceScene LayoutTrace(TraceChannel& channel, const TraceLimits& limits, TraceColour colour, QSize size,
                       QChar separator)
{
    const int h = size.height();
    const double k = h / (limits.upper - limits.lower);
    TraceScene scene;
    scene.size = size;
    scene.colour = colour;

    for (int x = 0; x <= kTraceGridLastX; x += kTraceGridStep)
        scene.gridX.push_back(x);
    // A panel lower than four pixels has a quarter of 0: only its top line.
    const int quarter = h / 4;
    for (int y = 0; y < h; y += quarter) {
        scene.gridY.push_back(y);
        if (quarter == 0)
            break;
    }

    for (int i = 0; i < kTraceLength; ++i)
        channel.Points[size_t(i)] = QPoint(i, truncated(h - channel.History[size_t(i)] * k - 1));
    scene.points = channel.Points.data();

    const TraceExtreme& low = channel.minimum;
    const TraceExtreme& high = channel.maximum;
    scene.minimumMarker = QPoint(low.index, truncated(h - low.value * k));
    scene.maximumMarker = QPoint(high.index, truncated(h - high.value * k));
    scene.maximumLabel = {QPoint(high.index, truncated(h - high.value * k)),
                          labelText(limits.lower + high.value, separator), kExtremeFont};
    scene.minimumLabel = {QPoint(low.index, truncated(h - low.value * k - kMinimumLabelRise)),
                          labelText(limits.lower + low.value, separator), kExtremeFont};
    scene.cursorLabel = {QPoint(kCursorLabelX, h / 2),
                         labelText(limits.lower + channel.History[kTraceCursorX], separator), kCursorFont};

    const double newest = std::min(h - channel.History[0] * k, double(h - kValueLabelLowest));
    scene.valueLabel = {QPoint(kValueLabelX, truncated(newest)),
                        FixedText(limits.lower + channel.History[0], kLabelDecimals, separator), kValueFont};
    return scene;
}

} // namespace zantrel
