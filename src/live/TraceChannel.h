#pragma once

#include <QChar>
#include <QPoint>
#include <QSize>
#include <QString>

#include <array>
#include <vector>

namespace zantrel {

// One scrolling strip chart's data: the last 768 values of a channel, relative to its lower
// limit, newest first, and the polyline of its last drawing.
constexpr int kTraceLength = 768;
// The trace is drawn through the first 758 points; the rest lies under the frame.
constexpr int kTracePolylinePoints = 758;
constexpr int kTraceCursorX = 256;

struct TraceExtreme {
    int index = 0;
    float value = 0.0f; // relative to the lower limit
};

// A trace colour as red, green and blue 0..255.
struct TraceColour {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const TraceColour&) const = default;
};

struct TraceLimits {
    double lower = 0.0;
    double upper = 0.0;
};

struct TraceChannel {
    std::array<float, kTraceLength> History{};
    std::array<QPoint, kTraceLength> Points{};
    // Of the last advance: the smallest and largest entries, the newest winning a tie.
    TraceExtreme minimum;
    TraceExtreme maximum;

    // Adds a value, held to the limits: the entries up to `width` (at most 767) move one
    // place older and the extremes are found among them and the new one.
    void Advance(double value, const TraceLimits& limits, int width);
};

struct TraceLabel {
    QPoint at; // top left of the text
    QString text;
    int pointSize = 8;
};

// What one drawing of a panel shows, in panel pixels; the painter only strokes it.
struct TraceScene {
    QSize size;
    TraceColour colour;
    std::vector<int> gridX; // dotted grey lines over the full height
    std::vector<int> gridY; // and over the full width
    QPoint minimumMarker;   // green cross
    QPoint maximumMarker;   // red cross
    TraceLabel minimumLabel;
    TraceLabel maximumLabel;
    TraceLabel cursorLabel; // beside the blue line at kTraceCursorX
    TraceLabel valueLabel;  // the newest value at the left edge
    const QPoint* points = nullptr; // kTracePolylinePoints of them, the channel's Points
};

constexpr int kTraceGridStep = 20;
constexpr int kTraceGridLastX = 760;
constexpr int kTraceMarkerHalf = 2;
constexpr int kTraceMarkerPen = 4;

// Lays out a drawing of `channel` on a panel of `size` and fills its Points. Numbers use
// `separator`.
TraceScene LayoutTrace(TraceChannel& channel, const TraceLimits& limits, TraceColour colour, QSize size,
                       QChar separator);

} // namespace zantrel
