#include "app/HelpViewer.h"

namespace zantrel {

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
