#pragma once

#include "app/MainWindow.h"
#include "base/LanguageStrings.h"
#include "config/ParameterTable.h"
#include "link/EcuLink.h"
#include "link/VirtualClock.h"

#include "support/ScriptedPrompter.h"
#include "support/ScriptedSerialIo.h"

#include <QAction>
#include <QDir>
#include <QKeySequence>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
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

// The main window on a scripted device and prompter, in a start directory of its own.
class MainWindowFixture : public ::testing::Test {
protected:
    // The window reads and writes its small files in the start directory and its
    // settings file: both belong to the test.
    void SetUp() override
    {
        previousDir = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(workDir.path()));
    }
    void TearDown() override
    {
        window.reset();
        QDir::setCurrent(previousDir);
    }

    // On the scripted device, or on `other` (a simulator or a real port) when given.
    void Create(CommandLineOptions options = answering(false), EcuLink* other = nullptr)
    {
        if (options.settingsFile.isEmpty())
            options.settingsFile = workDir.filePath("qev.conf");
        window = std::make_unique<TForm1>(other ? *other : link, parameters, texts, prompter, options);
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
    ParameterTable parameters;
    LanguageStrings texts;
    ScriptedPrompter prompter;
    std::unique_ptr<TForm1> window;
};

} // namespace zantrel::test
