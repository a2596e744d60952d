#pragma once

#include <QObject>

#include <functional>

class QAction;
class QWidget;

namespace zantrel {

// The main window's shortcuts win over the key bindings of the control that has the
// focus: an edit would otherwise take Ctrl+A (select all), Ctrl+E (end of line) or the
// space bar for itself, and the menu item would never run. Installed on the
// application, it lets a key through to the window's shortcut only where the focus is
// in that window, the item is enabled and, for the space bar, its option is checked.
class ShortcutPriority final : public QObject {
public:
    using ItemByName = std::function<QAction*(const QString&)>;

    ShortcutPriority(QWidget& window, ItemByName item);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool takenByTheWindow(const QKeySequence& key) const;

    QWidget& window_;
    ItemByName item_;
};

} // namespace zantrel
