#pragma once

// What the window benchmarks share: an application that times its event deliveries, and
// the main window at its design size on a link of the caller's.
#include "app/MainWindow.h"
#include "base/LanguageStrings.h"
#include "base/Prompter.h"
#include "image/ControllerImage.h"
#include "image/ParameterTable.h"
#include "link/EcuLink.h"
#include "link/LinkGate.h"
#include "link/StepTimer.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace zantrel::bench {

constexpr QSize kDesignSize(1009, 700);

// Answers every question with `answer`.
class FixedPrompter final : public Prompter {
public:
    explicit FixedPrompter(bool answer = false) : answer_(answer) {}
    bool AskYesNo(const QString&, const QString&) override { return answer_; }
    void Inform(const QString&, const QString&) override {}

private:
    bool answer_;
};

// Sums the time spent in the outermost event deliveries of the GUI thread.
class TimedApplication final : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override
    {
        if (depth_++ > 0) {
            const bool handled = QApplication::notify(receiver, event);
            --depth_;
            return handled;
        }
        QElapsedTimer t;
        t.start();
        const bool handled = QApplication::notify(receiver, event);
        const qint64 ns = t.nsecsElapsed();
        --depth_;
        if (measuring) {
            busyNs += ns;
            longestNs = std::max(longestNs, ns);
        }
        return handled;
    }

    bool measuring = false;
    qint64 busyNs = 0;
    qint64 longestNs = 0;

private:
    int depth_ = 0;
};

// The main window with both lambda probes and the injection bars shown, at the design
// size, on a link of the caller's.
struct BenchWindow {
    // The window's jobs wait on real time, or on `timer` when given (a virtual clock).
    explicit BenchWindow(EcuLink& link, const QString& port = {}, bool answer = false, StepTimer* timer = nullptr)
        : prompter(answer)
        , gate(link, timer ? *timer : stepTimer)
        , window(link, gate, image, texts, prompter, optionsFor(port))
    {
        parameters[55] = 1;
        parameters[56] = 4;
        parameters.StoreReceived(21, 2);
        parameters[8] = 7000;
        window.setWindowState(Qt::WindowNoState);
        window.resize(kDesignSize);
        window.show();
        window.MenuItem(QStringLiteral("slupkiwtrysku"))->setChecked(true);
        QCoreApplication::processEvents();
    }
    ~BenchWindow()
    {
        window.AnswerShutdownQuestion(false);
        window.close();
    }

    // The window keeps its small files in the start directory and its settings file: both
    // are the bench's own, in a directory of its own.
    static CommandLineOptions optionsFor(const QString& port)
    {
        CommandLineOptions options;
        options.autodetect = false;
        options.settingsFile = QDir::current().filePath(QStringLiteral("qev.conf"));
        if (!port.isEmpty())
            options.port = port;
        return options;
    }

    FixedPrompter prompter;
    PreciseStepTimer stepTimer;
    LinkGate gate;
    ControllerImage image;
    ParameterTable& parameters = image.Parameters();
    LanguageStrings texts;
    TForm1 window;
};

// The benchmark's main: offscreen, in a start directory of its own (the window keeps its
// small files there).
inline int RunOffscreen(int argc, char** argv, const char* name, const std::function<int(TimedApplication&)>& run)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TimedApplication app(argc, argv);
    QTemporaryDir start;
    if (!start.isValid() || !QDir::setCurrent(start.path())) {
        std::fprintf(stderr, "%s: no start directory\n", name);
        return 1;
    }
    return run(app);
}

} // namespace zantrel::bench
