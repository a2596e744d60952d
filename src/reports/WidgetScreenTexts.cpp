#include "reports/WidgetScreenTexts.h"

#include "base/ShellWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace zantrel {

WidgetScreenTexts::WidgetScreenTexts(ShellWindow& window, QWidget& carDialog, QList<QWidget*> pages)
    : window_(window), carDialog_(carDialog), pages_(std::move(pages))
{
}

WidgetScreenTexts::Found WidgetScreenTexts::find(QStringView name) const
{
    const QString object = ScreenObjectName(name);
    if (InCarDialog(name))
        return {carDialog_.findChild<QWidget*>(object), &carDialog_};
    for (QWidget* page : pages_)
        if (QWidget* widget = page->findChild<QWidget*>(object))
            return {widget, page};
    return {};
}

QString WidgetScreenTexts::Text(QStringView name) const
{
    if (name == u"Caption")
        return window_.Widget().windowTitle();
    if (const QAction* item = window_.MenuItem(name.toString()))
        return item->text();
    QWidget* widget = find(name).widget;
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->text();
    if (auto* list = qobject_cast<QComboBox*>(widget))
        return list->currentText();
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(widget))
        return memo->toPlainText();
    return {};
}

int WidgetScreenTexts::ItemIndex(QStringView name) const
{
    auto* list = qobject_cast<QComboBox*>(find(name).widget);
    return list ? list->currentIndex() : -1;
}

bool WidgetScreenTexts::Shown(QStringView name) const
{
    const Found found = find(name);
    return found.widget && found.widget->isVisibleTo(found.root);
}

} // namespace zantrel
