#include "reports/WidgetScreenTexts.h"

#include "base/ShellWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace zantrel {

namespace {

constexpr QStringView kCarPrefix = u"TForm5.";

// The names the reports use where this window calls the control otherwise.
struct Alias {
    const char16_t* name;
    const char16_t* object;
};

constexpr Alias kAliases[] = {
    {u"LabelMaxInjTime", u"LabelParametryMaxInj"},
    {u"LabelPrzesuniecieChar", u"LabelPrzesuniecie"},
    {u"LabelMaxRPM", u"LabelMaxRpm"},
    {u"SpeedButton2", u"ButtonMapaZaawansowana"},
    {u"LabelDodPrzesuniecie", u"LabelPrzesuniecie2"},
    // The car dialog's make, model and installer captions.
    {u"TForm5.Label7", u"Label2"},
    {u"TForm5.Label9", u"Label4"},
    {u"TForm5.Label2", u"Label5"},
};

QString objectNameOf(QStringView name)
{
    for (const Alias& alias : kAliases)
        if (name == QStringView(alias.name))
            return QString::fromUtf16(alias.object);
    if (name.startsWith(kCarPrefix))
        return name.mid(kCarPrefix.size()).toString();
    return name.toString();
}

} // namespace

WidgetScreenTexts::WidgetScreenTexts(ShellWindow& window, QWidget& carDialog, QList<QWidget*> pages)
    : window_(window), carDialog_(carDialog), pages_(std::move(pages))
{
}

WidgetScreenTexts::Found WidgetScreenTexts::find(QStringView name) const
{
    const QString object = objectNameOf(name);
    if (name.startsWith(kCarPrefix))
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
