#pragma once

#include <QObject>

class QLineEdit;

namespace zantrel {

class LanguageStrings;
class ParameterEditors;
class Prompter;
class ShellWindow;
class TForm10;

// The two buttons beside the injector type: "USTAW" opens the injector settings dialog
// on the main window's five timing edits and, on OK, runs their writers; "zalecane
// dysze" shows the recommended nozzle sizes.
class InjectorSettingsUi final : public QObject {
    Q_OBJECT
public:
    InjectorSettingsUi(ShellWindow& window, TForm10& dialog, ParameterEditors& editors, Prompter& prompter,
                       const LanguageStrings& texts);

    void ButtonRodzajWtryskiwaczyClick();
    void ButtonDyszkiClick();

private:
    QLineEdit* mainEdit(const QString& name) const;
    void copyBack(const QString& name, const QString& text);

    ShellWindow& window_;
    TForm10& dialog_;
    ParameterEditors& editors_;
    Prompter& prompter_;
    const LanguageStrings& texts_;
};

} // namespace zantrel
