#pragma once

#include <QObject>

namespace zantrel {

class EcuCommands;
class LanguageStrings;
class Led;
class LiveRecord;
class Prompter;
class ShellWindow;

// The error-code commands of the window: the report of the last live record (Ctrl+B and
// a click on the error lamp) and the clearing of the controller's error memory (Ctrl+E).
class ErrorCodesUi final : public QObject {
    Q_OBJECT
public:
    ErrorCodesUi(ShellWindow& window, EcuCommands& cmds, const LiveRecord& record, const LanguageStrings& texts,
                 Prompter& prompter, Led& lamp);

private:
    void ShowErrorReport();

    EcuCommands& cmds_;
    const LiveRecord& record_;
    const LanguageStrings& texts_;
    Prompter& prompter_;
};

} // namespace zantrel
