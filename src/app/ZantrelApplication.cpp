#include "app/ZantrelApplication.h"

#include "app/ExceptionReporter.h"
#include "app/QtTranslation.h"

#include <exception>

namespace zantrel {

ZantrelApplication::ZantrelApplication(int& argc, char** argv, ExceptionReporter& reporter)
    : QApplication(argc, argv)
    , reporter_(reporter)
{
    // The interface starts in Polish; so do the standard buttons of the message boxes.
    LoadQtTranslation(*this, QStringLiteral("pl"));
    // The desktop entry the installed program comes with: its name and icon for the windows.
    setDesktopFileName(QStringLiteral("zantrel"));
}

bool ZantrelApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reporter_.Report(std::current_exception());
        return false;
    }
}

} // namespace zantrel
