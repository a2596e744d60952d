#pragma once

#include <QString>
#include <QStringList>

namespace zantrel {

constexpr const char* kHelpFile = "help.txt";

// The help file among the shipped files.
[[nodiscard]] QString HelpFilePath(const QString& shippedFolder);

// The plain-text viewer that opens the help file: Notepad on Windows, the desktop's
// opener elsewhere. The program does not wait for it.
struct ViewerCommand {
    QString program;
    QStringList arguments;
};
ViewerCommand HelpViewerCommand(const QString& helpPath);

} // namespace zantrel
