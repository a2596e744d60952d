#include "service/ErrorCodesUi.h"

#include "base/LanguageStrings.h"
#include "base/Prompter.h"
#include "base/ShellWindow.h"
#include "link/CommandSet.h"
#include "service/ErrorReport.h"
#include "widgets/Led.h"

#include <QAction>

namespace zantrel {

ErrorCodesUi::ErrorCodesUi(ShellWindow& window, EcuCommands& cmds, const LiveRecord& record,
                           const LanguageStrings& texts, Prompter& prompter, Led& lamp)
    : QObject(&window.Widget())
    , cmds_(cmds)
    , record_(record)
    , texts_(texts)
    , prompter_(prompter)
{
    connect(window.MenuItem(QStringLiteral("OdczytajKodyBdw1")), &QAction::triggered, this,
            &ErrorCodesUi::ShowErrorReport);
    connect(&lamp, &Led::clicked, this, &ErrorCodesUi::ShowErrorReport);
    // No confirmation and no reply: the next live records show the memory emptied.
    connect(window.MenuItem(QStringLiteral("KasujKodyBdw1")), &QAction::triggered, this,
            [this] { cmds_.ClearErrors(); });
}

void ErrorCodesUi::ShowErrorReport()
{
    prompter_.Inform(texts_[Text::ApplicationTitle], ErrorReport(record_, texts_));
}

} // namespace zantrel
