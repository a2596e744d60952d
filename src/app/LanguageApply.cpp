#include "app/LanguageApply.h"

#include "base/LanguageStrings.h"
#include "widgets/FuelButton.h"
#include "widgets/Led.h"
#include "widgets/RoundGauge.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>

namespace zantrel {

namespace {

// The dialog an object belongs to, or nullptr for the main window (its menus included).
QWidget* dialogOf(QObject* object, QWidget& window)
{
    for (QObject* o = object; o && o != &window; o = o->parent())
        if (auto* dialog = qobject_cast<QDialog*>(o))
            return dialog;
    return nullptr;
}

QTabWidget* tabsOf(QWidget& page)
{
    QWidget* stack = page.parentWidget();
    return stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
}

QString withBreaks(QString text)
{
    return text.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
}

} // namespace

LanguageApplier::LanguageApplier(QWidget& window, LanguageStrings& texts)
    : texts_(texts)
{
    for (QObject* object : window.findChildren<QObject*>()) {
        if (object->objectName().isEmpty())
            continue;
        QWidget* dialog = dialogOf(object, window);
        const QString key = dialog && dialog != object ? dialog->objectName() + u'.' + object->objectName()
                                                       : object->objectName();
        objects_.insert(key, object);
    }
}

QObject* LanguageApplier::Find(const QString& target) const
{
    return objects_.value(target);
}

void LanguageApplier::Apply(int id, const QString& text)
{
    texts_.SetById(id, text);
    for (const LanguageTarget& target : LanguageTargets())
        if (target.id == id)
            if (QObject* object = Find(QString::fromLatin1(target.target)))
                Set(*object, target, text);
}

QString LanguageApplier::TextOf(QObject& object, const LanguageTarget& target)
{
    switch (target.kind) {
    case TargetKind::Caption:
        if (auto* item = qobject_cast<QAction*>(&object))
            return item->text();
        if (auto* menu = qobject_cast<QMenu*>(&object))
            return menu->title();
        if (auto* dialog = qobject_cast<QDialog*>(&object))
            return dialog->windowTitle();
        if (auto* led = qobject_cast<Led*>(&object))
            return led->caption();
        if (auto* label = qobject_cast<QLabel*>(&object))
            return label->text();
        if (auto* group = qobject_cast<QGroupBox*>(&object))
            return group->title();
        if (auto* button = qobject_cast<QAbstractButton*>(&object))
            return button->text();
        if (auto* page = qobject_cast<QWidget*>(&object))
            if (QTabWidget* tabs = tabsOf(*page))
                return tabs->tabText(tabs->indexOf(page));
        return {};
    case TargetKind::Hint:
        if (auto* widget = qobject_cast<QWidget*>(&object))
            return widget->toolTip();
        return {};
    case TargetKind::Item:
        if (auto* list = qobject_cast<QComboBox*>(&object); list && target.item < list->count())
            return list->itemText(target.item);
        return {};
    case TargetKind::GaugeName:
        if (auto* gauge = qobject_cast<RoundGauge*>(&object))
            return gauge->caption();
        return {};
    case TargetKind::OnText:
        if (auto* button = qobject_cast<FuelButton*>(&object))
            return button->onCaption();
        return {};
    }
    return {};
}

bool LanguageApplier::Set(QObject& object, const LanguageTarget& target, const QString& text)
{
    switch (target.kind) {
    case TargetKind::Caption:
        if (auto* item = qobject_cast<QAction*>(&object))
            item->setText(text);
        else if (auto* menu = qobject_cast<QMenu*>(&object))
            menu->setTitle(text);
        else if (auto* dialog = qobject_cast<QDialog*>(&object))
            dialog->setWindowTitle(text);
        else if (auto* led = qobject_cast<Led*>(&object))
            led->setCaption(text);
        else if (auto* label = qobject_cast<QLabel*>(&object))
            label->setText(withBreaks(text));
        else if (auto* group = qobject_cast<QGroupBox*>(&object))
            group->setTitle(text);
        else if (auto* button = qobject_cast<QAbstractButton*>(&object))
            button->setText(withBreaks(text));
        else if (auto* page = qobject_cast<QWidget*>(&object); page && tabsOf(*page))
            tabsOf(*page)->setTabText(tabsOf(*page)->indexOf(page), text);
        else
            return false;
        return true;
    case TargetKind::Hint:
        if (auto* widget = qobject_cast<QWidget*>(&object)) {
            widget->setToolTip(text);
            return true;
        }
        return false;
    case TargetKind::Item:
        if (auto* list = qobject_cast<QComboBox*>(&object); list && target.item < list->count()) {
            list->setItemText(target.item, text);
            return true;
        }
        return false;
    case TargetKind::GaugeName:
        if (auto* gauge = qobject_cast<RoundGauge*>(&object)) {
            gauge->setCaption(withBreaks(text));
            return true;
        }
        return false;
    case TargetKind::OnText:
        if (auto* button = qobject_cast<FuelButton*>(&object)) {
            button->setOnCaption(text);
            return true;
        }
        return false;
    }
    return false;
}

} // namespace zantrel
