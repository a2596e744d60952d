#pragma once

#include <QHash>
#include <QString>

class QAction;
class QMainWindow;
class QMenu;

namespace zantrel {

// The main menu built from the menu table into a window's menu bar. Items are children
// of the window, carry their table name as objectName and are also added to the window
// itself, so their shortcuts work whether the menu shows them or not.
//
// A hidden item is taken out of its menu rather than made invisible: Qt disables the
// shortcut of an invisible QAction (and reports it disabled), but a hidden item's
// shortcut must keep working while the item is enabled. QAction stays the one place of
// truth for an item's key and enabled state.
class MainMenu {
public:
    explicit MainMenu(QMainWindow& window);

    QAction* Item(const QString& name) const;
    bool Shown(const QString& name) const;
    // Puts the item back at its place in its menu, or takes it out.
    void SetShown(const QString& name, bool shown);

private:
    struct Entry {
        QAction* action = nullptr;
        QMenu* menu = nullptr;
        int order = 0; // position in the menu table
    };

    QHash<QString, Entry> items_;
};

} // namespace zantrel
