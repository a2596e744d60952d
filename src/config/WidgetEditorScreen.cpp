#include "config/WidgetEditorScreen.h"

#include "base/ShellWindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTabWidget>

namespace zantrel {

namespace {

// The item a list showed when the program last selected one or cleared its change.
constexpr const char* kProgramItem = "zantrelProgramItem";

void rememberProgramItem(QComboBox& list)
{
    list.setProperty(kProgramItem, list.currentIndex());
}

int programItem(const QComboBox& list)
{
    const QVariant item = list.property(kProgramItem);
    return item.isValid() ? item.toInt() : -1;
}

} // namespace

QWidget* WidgetEditorScreen::Find(const char* control) const
{
    const QList<QWidget*> found = window_.Widget().findChildren<QWidget*>(QString::fromLatin1(control));
    for (QWidget* w : found)
        if (w->window() == &window_.Widget())
            return w;
    return nullptr;
}

QString WidgetEditorScreen::Text(const char* control) const
{
    QWidget* w = Find(control);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text();
    if (auto* list = qobject_cast<QComboBox*>(w))
        return list->currentText();
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(w))
        return memo->toPlainText();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    return {};
}

void WidgetEditorScreen::SetText(const char* control, const QString& text)
{
    QWidget* w = Find(control);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(text);
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(w))
        memo->setPlainText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setText(text);
}

int WidgetEditorScreen::Item(const char* control) const
{
    if (auto* list = qobject_cast<QComboBox*>(Find(control)))
        return list->currentIndex();
    return -1;
}

void WidgetEditorScreen::SelectItem(const char* control, int item)
{
    if (auto* list = qobject_cast<QComboBox*>(Find(control))) {
        list->setCurrentIndex(item >= 0 && item < list->count() ? item : -1);
        rememberProgramItem(*list);
    }
}

void WidgetEditorScreen::SetItems(const char* control, const QStringList& items)
{
    if (auto* list = qobject_cast<QComboBox*>(Find(control))) {
        list->clear();
        list->addItems(items);
        rememberProgramItem(*list);
    }
}

bool WidgetEditorScreen::Changed(const char* control) const
{
    QWidget* w = Find(control);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->isModified();
    if (auto* list = qobject_cast<QComboBox*>(w))
        return list->currentIndex() != programItem(*list);
    return false;
}

void WidgetEditorScreen::ClearChanged(const char* control)
{
    QWidget* w = Find(control);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->setModified(false);
    else if (auto* list = qobject_cast<QComboBox*>(w))
        rememberProgramItem(*list);
}

bool WidgetEditorScreen::Has(const char* control) const
{
    return Find(control) != nullptr;
}

bool WidgetEditorScreen::Checked(const char* control) const
{
    auto* button = qobject_cast<QAbstractButton*>(Find(control));
    return button && button->isChecked();
}

void WidgetEditorScreen::SetChecked(const char* control, bool checked)
{
    if (auto* button = qobject_cast<QAbstractButton*>(Find(control)))
        button->setChecked(checked);
}

void WidgetEditorScreen::SetEnabled(const char* control, bool enabled)
{
    if (QWidget* w = Find(control))
        w->setEnabled(enabled);
}

void WidgetEditorScreen::SetShown(const char* control, bool shown)
{
    if (QWidget* w = Find(control))
        w->setVisible(shown);
}

void WidgetEditorScreen::SetTabShown(TabId tab, bool shown)
{
    window_.SetTabShown(tab, shown);
}

void WidgetEditorScreen::SetRange(const char* control, int minimum, int maximum)
{
    auto* bar = qobject_cast<QProgressBar*>(Find(control));
    if (!bar)
        return;
    // A bar that was full stays full, as its position is held to the new maximum.
    const bool full = bar->value() >= maximum;
    bar->setRange(minimum, maximum);
    if (full)
        bar->setValue(maximum);
}

} // namespace zantrel
