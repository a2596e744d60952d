#pragma once

#include "base/EntryFilters.h"
#include "base/TabTable.h"

#include <QString>

#include <functional>

class QAction;
class QStatusBar;
class QWidget;

namespace zantrel {

// What a subsystem's window side may use of the main window: its menu items, its tabs,
// the status bar, the caption and the locale's separators. The main window implements it
// and hands it to each subsystem it wires in, so no subsystem depends on the shell.
class ShellWindow {
public:
    virtual ~ShellWindow() = default;

    // The main window itself: the parent of a subsystem's objects and hidden buttons.
    virtual QWidget& Widget() = 0;
    // A main-menu item by objectName; nullptr for a name the menu does not have.
    virtual QAction* MenuItem(const QString& name) const = 0;
    // Puts a menu item into its menu or takes it out; a hidden item keeps its shortcut
    // while it is enabled.
    virtual void ShowMenuItem(const QString& name, bool shown) = 0;
    virtual QWidget* Tab(TabId id) const = 0;
    // Makes a tab active directly, as a menu item or function key does.
    virtual void SelectTab(TabId id) = 0;
    virtual void SetTabShown(TabId id, bool shown) = 0;
    virtual QStatusBar& StatusBar() = 0;
    virtual void SetCaption(const QString& caption) = 0;
    // A note that stays in sight for a while in the status bar beside the progress bar:
    // what the link did by itself, a read that did not get every word. (The status field
    // above the tabs is rewritten by every live record.)
    virtual void ShowNote(const QString& text) = 0;
    virtual const Separators& EntrySeparators() const = 0;
    // Started with --service: what the shipped configuration hides (recording and replay,
    // the curve editor, the emission and factory tabs) is shown.
    virtual bool ServiceView() const = 0;
    // Runs `refresh` after each language change, once the file's texts are in place: a
    // subsystem re-sets the texts that depend on its state.
    virtual void OnTextsChanged(std::function<void()> refresh) = 0;
};

} // namespace zantrel
