#pragma once

#include <QSize>

#include <optional>
#include <span>

namespace zantrel {

// The screen layouts of the resolution menu, as rozdz.txt stores them (a raw byte).
enum class Resolution { R800x600 = 0, R1024x768 = 1, R1280x1024 = 2 };

// How the window and its controls are sized for one screen. Font scales are of the
// toolkit's default font; sizes are in pixels at that screen.
struct ScreenLayoutSpec {
    Resolution resolution;
    QSize screen;          // the window takes this size
    double fontScale;      // every text of the window and its dialogs
    double tabFontScale;   // the tab captions, of the window's font
    int tabMargin;         // room left and right of a tab caption
    QSize meter;           // the least size of a round meter
    QSize thermometer;     // the least size of a thermometer
    QSize injectionBar;    // one cylinder's petrol or gas bar on the readings tab
    QSize panelLambdaBar;  // a probe's bar in the status panel above the tabs
    int traceWidth;        // an oscilloscope panel's width (its points shown)
    QSize mapCell;         // the least size of a cell of the map grid
    int memoLines;         // lines a description or guidance memo shows
    int margin;            // around the contents of a tab page
    int spacing;           // between the controls of a tab page
};

std::span<const ScreenLayoutSpec> ScreenLayouts();
const ScreenLayoutSpec& ScreenLayoutOf(Resolution resolution);

// The wrap width of tab captions: the widest a caption's line may be so that tabs of
// these one-line caption widths fit `room` (each tab adds `frame` to its text). Words of
// a caption are never broken, so no width below the widest word is tried; nothing when
// even that leaves the tabs too wide.
// `lineWidth(tab, wrap)` is the widest line of tab's caption wrapped at `wrap`.
template <typename LineWidth>
std::optional<int> CaptionWrapWidth(int tabs, int room, int frame, int widestWord, int widestCaption,
                                    LineWidth lineWidth)
{
    const auto total = [&](int wrap) {
        int sum = 0;
        for (int t = 0; t < tabs; ++t)
            sum += lineWidth(t, wrap) + frame;
        return sum;
    };
    if (total(widestCaption) <= room)
        return widestCaption;
    int low = widestWord;
    int high = widestCaption;
    if (total(low) > room)
        return std::nullopt;
    // Narrowing the wrap narrows the tabs (word wrapping may make an exception, so every
    // step is checked): the widest wrap found to fit.
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        if (total(mid) <= room)
            low = mid;
        else
            high = mid - 1;
    }
    return low;
}

} // namespace zantrel
