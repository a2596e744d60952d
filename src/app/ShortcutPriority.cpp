#include "app/ShortcutPriority.h"

#include "app/MenuTable.h"

#include <QAction>
#include <QKeyEvent>
#include <QWidget>

namespace zantrel {

namespace {

// An item whose key the focused control keeps while the option item is unchecked.
struct OptionalShortcut {
    const char* item;
    const char* option;
};

constexpr OptionalShortcut kOptionalShortcuts[] = {
    {"przelacznikbg", "spacjaprzelaczabg1"},
};

} // namespace

ShortcutPriority::ShortcutPriority(QWidget& window, ItemByName item)
    : QObject(&window)
    , window_(window)
    , item_(std::move(item))
{
}

bool ShortcutPriority::eventFilter(QObject* watched, QEvent* event)
{
    // A control claims a key by accepting its shortcut override; left unaccepted, the key
    // goes to the shortcut.
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != &window_)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!takenByTheWindow(QKeySequence(key->keyCombination())))
        return false;
    event->ignore();
    return true;
}

bool ShortcutPriority::takenByTheWindow(const QKeySequence& key) const
{
    for (const MenuItemSpec& spec : MainMenuItems()) {
        if (*spec.shortcut == '\0')
            continue;
        const QString name = QString::fromLatin1(spec.name);
        const QAction* action = item_(name);
        if (!action || !action->isEnabled() || action->shortcut() != key)
            continue;
        for (const OptionalShortcut& o : kOptionalShortcuts)
            if (name == QLatin1String(o.item)) {
                const QAction* option = item_(QString::fromLatin1(o.option));
                return option && option->isChecked();
            }
        return true;
    }
    return false;
}

} // namespace zantrel
