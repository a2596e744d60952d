#pragma once

#include "app/MainWindow.h"
#include "base/LanguageStrings.h"
#include "image/ControllerImage.h"
#include "link/EcuLink.h"
#include "link/LinkGate.h"
#include "link/StepTimer.h"
#include "link/VirtualClock.h"

#include "support/ScriptedPrompter.h"
#include "support/ScriptedSerialIo.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QKeySequence>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace zantrel::test {

inline CommandLineOptions answering(std::optional<bool> autodetect)
{
    CommandLineOptions options;
    options.autodetect = autodetect;
    return options;
}

// --service, the start-up question answered No.
inline CommandLineOptions serviceOptions()
{
    CommandLineOptions options = answering(false);
    options.service = true;
    return options;
}

// The main window on a scripted device and prompter, in a start directory of its own.
class MainWindowFixture : public ::testing::Test {
protected:
    // The window reads and writes its small files in the start directory and its
    // settings file: both belong to the test.
    void SetUp() override
    {
        previousDir = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(workDir.path()));
        // The first activation reads the language file, Polish unless jezyk.txt says other.
        ASSERT_TRUE(QDir(workDir.path()).mkpath(QStringLiteral("lang")));
        ASSERT_TRUE(QFile::copy(QStringLiteral(ZANTREL_LANG_DIR "/polski.txt"), workDir.filePath(QStringLiteral("lang/polski.txt"))));
        // A file dialog that a menu item opens (Ctrl+O, Ctrl+S) is cancelled as the user
        // would, so that its modal loop returns, and the window is active again.
        QObject::connect(&fileDialogs, &QTimer::timeout, [this] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* dialog = qobject_cast<QFileDialog*>(w); dialog && dialog->isVisible()) {
                    ++fileDialogsCancelled;
                    dialog->reject();
                    if (window)
                        window->activateWindow();
                }
        });
        fileDialogs.start(5);
    }
    void TearDown() override
    {
        window.reset();
        gate.reset();
        QDir::setCurrent(previousDir);
    }

    // On the scripted device, or on `other` (a simulator or a real port) when given, whose
    // jobs then wait on `timer` (the simulator's virtual clock, or real time).
    void Create(CommandLineOptions options = answering(false), EcuLink* other = nullptr, StepTimer* timer = nullptr)
    {
        if (options.settingsFile.isEmpty())
            options.settingsFile = workDir.filePath("qev.conf");
        EcuLink& used = other ? *other : link;
        gate = std::make_unique<LinkGate>(used, timer ? *timer : stepTimer);
        window = std::make_unique<TForm1>(used, *gate, image, texts, prompter, options);
    }

    void Show()
    {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QCoreApplication::processEvents(); // the first activation runs from the loop
    }

    void Start(const CommandLineOptions& options = answering(false))
    {
        Create(options);
        Show();
    }

    QAction* item(const char* name) const
    {
        QAction* a = window->MenuItem(QString::fromLatin1(name));
        EXPECT_NE(a, nullptr) << name;
        return a;
    }

    void press(const char* keys) { QTest::keySequence(window.get(), QKeySequence(QString::fromLatin1(keys))); }

    void clickTab(TabId id)
    {
        QTabBar* bar = window->MainPage->tabBar();
        const int index = window->MainPage->indexOf(window->Tab(id));
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }

    QTemporaryDir workDir;
    QString previousDir;
    VirtualClock clock;
    ScriptedSerialIo io{clock};
    EcuLink link{io, clock};
    PauseStepTimer stepTimer{clock};
    std::unique_ptr<LinkGate> gate;
    ControllerImage image;
    ParameterTable& parameters = image.Parameters();
    LanguageStrings texts;
    ScriptedPrompter prompter;
    std::unique_ptr<TForm1> window;
    QTimer fileDialogs;
    int fileDialogsCancelled = 0;
};

} // namespace zantrel::test
