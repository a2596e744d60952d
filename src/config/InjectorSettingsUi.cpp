#include "config/InjectorSettingsUi.h"

#include "base/Prompter.h"
#include "base/ShellWindow.h"
#include "base/TypedKeyFilter.h"
#include "config/InjectorPresets.h"
#include "config/InjectorSettingsWindow.h"
#include "config/ParameterEditors.h"

#include <QLineEdit>
#include <QPushButton>

namespace zantrel {

InjectorSettingsUi::InjectorSettingsUi(ShellWindow& window, TForm10& dialog, ParameterEditors& editors,
                                       Prompter& prompter, const LanguageStrings& texts)
    : QObject(&dialog)
    , window_(window)
    , dialog_(dialog)
    , editors_(editors)
    , prompter_(prompter)
    , texts_(texts)
{
    QWidget* page = window.Tab(TabId::TabSheet3);
    if (auto* button = page->findChild<QPushButton*>(QStringLiteral("ButtonRodzajWtryskiwaczy")))
        connect(button, &QPushButton::clicked, this, &InjectorSettingsUi::ButtonRodzajWtryskiwaczyClick);
    if (auto* button = page->findChild<QPushButton*>(QStringLiteral("ButtonDyszki")))
        connect(button, &QPushButton::clicked, this, &InjectorSettingsUi::ButtonDyszkiClick);
    connect(&dialog, &TForm10::EditLeft, this, &InjectorSettingsUi::copyBack);
    // The dialog's edits take the keys their twins on the tabs take.
    for (QLineEdit* edit : dialog_.Edits)
        FilterTypedKeys(*edit, [this, name = edit->objectName()](QChar key) { return editors_.FilterKey(name, key); });
}

// The dialog's edits carry the names of the parameter tabs' edits; only the tabs are
// searched, not the dialog.
QLineEdit* InjectorSettingsUi::mainEdit(const QString& name) const
{
    for (const TabId tab : {TabId::TabSheet3, TabId::TabSheet4})
        if (QWidget* page = window_.Tab(tab))
            if (auto* edit = page->findChild<QLineEdit*>(name))
                return edit;
    return nullptr;
}

void InjectorSettingsUi::copyBack(const QString& name, const QString& text)
{
    if (QLineEdit* edit = mainEdit(name))
        edit->setText(text);
}

// Texts copied back by leaving a dialog edit stay after "Anuluj"; nothing is written.
void InjectorSettingsUi::ButtonRodzajWtryskiwaczyClick()
{
    for (QLineEdit* edit : dialog_.Edits)
        if (QLineEdit* main = mainEdit(edit->objectName()))
            edit->setText(main->text());
    dialog_.Edits[0]->setFocus();
    if (dialog_.exec() != QDialog::Accepted)
        return;
    for (QLineEdit* edit : dialog_.Edits)
        copyBack(edit->objectName(), edit->text());
    editors_.WriteInjectorSettings();
}

void InjectorSettingsUi::ButtonDyszkiClick()
{
    prompter_.Inform(QString(), RecommendedNozzlesText(texts_));
}

} // namespace zantrel
