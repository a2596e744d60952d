#include "app/MainMenu.h"

#include "app/MenuTable.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace zantrel {

MainMenu::MainMenu(QMainWindow& window)
{
    QHash<QString, QMenu*> menus;
    for (const MenuSpec& spec : MainMenus()) {
        QMenu* menu = window.menuBar()->addMenu(QString::fromUtf8(spec.caption));
        menu->setObjectName(QString::fromLatin1(spec.name));
        menus.insert(menu->objectName(), menu);
    }
    int order = 0;
    for (const MenuItemSpec& spec : MainMenuItems()) {
        auto* action = new QAction(QString::fromUtf8(spec.caption), &window);
        action->setObjectName(QString::fromLatin1(spec.name));
        action->setCheckable(spec.flags & kItemCheckable);
        action->setChecked(spec.flags & kItemChecked);
        action->setEnabled(!(spec.flags & kItemDisabled));
        window.addAction(action);
        items_.insert(action->objectName(), {action, menus.value(QString::fromLatin1(spec.menu)), order++});
        SetShown(action->objectName(), !(spec.flags & kItemHidden));
    }
}

QAction* MainMenu::Item(const QString& name) const
{
    return items_.value(name).action;
}

bool MainMenu::Shown(const QString& name) const
{
    const Entry entry = items_.value(name);
    return entry.menu && entry.menu->actions().contains(entry.action);
}

void MainMenu::SetShown(const QString& name, bool shown)
{
    const Entry entry = items_.value(name);
    if (!entry.action || Shown(name) == shown)
        return;
    if (!shown) {
        entry.menu->removeAction(entry.action);
        return;
    }
    // Before the first shown item that follows it in the table.
    QAction* before = nullptr;
    for (QAction* other : entry.menu->actions()) {
        if (items_.value(other->objectName()).order > entry.order) {
            before = other;
            break;
        }
    }
    entry.menu->insertAction(before, entry.action);
}

} // namespace zantrel
