#pragma once

#include <span>

namespace zantrel {

// The main menu as designed: menus in menu-bar order, items in menu order. Captions are
// the Polish design texts; the language packs replace them.
struct MenuSpec {
    const char* name;
    const char* caption;
};

enum MenuItemFlag : unsigned {
    kItemHidden = 1u << 0,
    kItemDisabled = 1u << 1,
    kItemCheckable = 1u << 2,
    kItemChecked = 1u << 3,
};

struct MenuItemSpec {
    const char* menu;
    const char* name;
    const char* caption;
    const char* shortcut; // portable key text such as "Ctrl+F1"; empty for none
    unsigned flags;
};

std::span<const MenuSpec> MainMenus();
std::span<const MenuItemSpec> MainMenuItems();

} // namespace zantrel
