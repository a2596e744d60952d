#include "app/HelpViewer.h"

#include <QDir>

namespace zantrel {

QString HelpFilePath(const QString& shippedFolder)
{
    return QDir(shippedFolder).filePath(QString::fromLatin1(kHelpFile));
}

ViewerCommand HelpViewerCommand(const QString& helpPath)
{
#ifdef Q_OS_WIN
    return {QStringLiteral("Notepad.exe"), {helpPath}};
#elif defined(Q_OS_MACOS)
    return {QStringLiteral("open"), {QStringLiteral("-t"), helpPath}};
#else
    return {QStringLiteral("xdg-open"), {helpPath}};
#endif
}

} // namespace zantrel
