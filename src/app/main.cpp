#include "app/CommandLineOptions.h"
#include "app/DataPaths.h"
#include "app/ExceptionReporter.h"
#include "app/MainWindow.h"
#include "app/MessageBoxPrompter.h"
#include "app/ZantrelApplication.h"
#include "base/LanguageStrings.h"
#include "image/ControllerImage.h"
#include "link/EcuLink.h"
#include "link/LinkGate.h"
#include "link/Pause.h"
#include "link/QtSerialIo.h"
#include "link/StepTimer.h"

#include <QDir>
#include <QTimer>

#include <cstdio>

using namespace zantrel;

int main(int argc, char** argv)
{
    LanguageStrings texts;
    MessageBoxPrompter prompter;
    ExceptionReporter reporter(prompter, texts);
    ZantrelApplication app(argc, argv, reporter);

    const CommandLineParse parsed = ParseCommandLine(app.arguments());
    if (!parsed.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(parsed.error));
        return 2;
    }
    if (parsed.helpRequested) {
        std::fprintf(stdout, "%s", qPrintable(parsed.helpText));
        return 0;
    }
    const CommandLineOptions& options = parsed.options;
    if (!options.workDir.isEmpty() && !QDir::setCurrent(options.workDir)) {
        std::fprintf(stderr, "Cannot change to the directory %s\n", qPrintable(options.workDir));
        return 2;
    }
    // Started from the desktop menu, the user's files live in the user's data folder.
    const DataPaths paths = StartDataPaths(QDir::currentPath(), !options.workDir.isEmpty());
    QDir::setCurrent(paths.user);

    QtSerialIo io;
    RealPause pause;
    EcuLink link(io, pause);
    PreciseStepTimer stepTimer;
    LinkGate gate(link, stepTimer);
    ControllerImage image;

    TForm1 window(link, gate, image, texts, prompter, options);
    window.SetShippedDirectory(paths.shipped);
    // The program ends with its main window, whatever secondary window is still open.
    app.setQuitOnLastWindowClosed(false);
    QObject::connect(&window, &TForm1::ShutdownComplete, &app, &QCoreApplication::quit);
    if (options.quitAfterMs) {
        QTimer::singleShot(*options.quitAfterMs, &window, [&window] {
            window.AnswerShutdownQuestion(false);
            window.close();
        });
    }
    window.show();
    window.activateWindow();
    return app.exec();
}
