#pragma once

#include <cstddef>
#include <functional>
#include <span>

namespace zantrel {

// The tabs of the main window's page control, in tab order.
enum class TabId {
    TabSheet1,
    TabSheet2,
    TabSheet3,
    TabSheet4,
    TabSheet5,
    TabSheet6,
    TabSheet7,
    TabSheet8,
    TabSheet10,
    TabSheet9,
    TabSheetEmisja,
    TabSheetMapaTemp,
    TabSheet11,
    Count
};

struct TabSpec {
    TabId id;
    const char* name;
    const char* caption;
    bool shownAtDesign;     // the creation step shows TabSheet6 and TabSheetMapaTemp itself
    const char* menuItem;   // the item that selects the tab directly; empty for none
    bool widenAfterSelect;  // the item nudges the window width to re-run the screen layout
};

std::span<const TabSpec> MainTabs();
const TabSpec& TabSpecOf(TabId id);

// The tab that Ctrl+Tab (step +1) or Ctrl+Shift+Tab (step -1) goes to from `current`,
// wrapping around and skipping tabs that cannot be selected; -1 when there is none.
int NeighbourTab(int current, int count, int step, const std::function<bool(int)>& selectable);

} // namespace zantrel
