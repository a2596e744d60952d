#include "link/ConnectingWindow.h"
#include "link/PortChooserWindow.h"
#include "link/PortMenu.h"
#include "link/PortNames.h"

#include "support/MainWindowFixture.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QRegularExpression>
#include <QSlider>
#include <QTimer>

#include <functional>

using namespace zantrel;
using zantrel::test::answering;

namespace {

class PortMenuTest : public test::MainWindowFixture {
protected:
    // A controller answers "I" on this device.
    void AnswerOn(const QString& device)
    {
        io.onWrite = [this, device](const QByteArray& f) {
            if (f.at(0) == 'I' && io.openedDevices.value(io.openedDevices.size() - 1) == device)
                io.deliver(QByteArray("I\x31\x2a\x00;", 5), 300);
        };
    }
    QString storedValue(const char* key)
    {
        return QSettings(workDir.filePath("qev.conf"), QSettings::IniFormat).value(key).toString();
    }
    QStringList checkedPorts()
    {
        QStringList out;
        for (int s = 0; s < kPortSlots; ++s)
            if (item(qPrintable(PortItemName(s)))->isChecked())
                out << PortItemName(s);
        return out;
    }
};

TEST_F(PortMenuTest, ChoosingPort12RemembersItAndConnectsThere)
{
    Start();
    AnswerOn(DeviceForPortName("COM12"));
    TForm14* chooser = window->Form14;
    QTimer::singleShot(0, chooser, [chooser] {
        chooser->EditCOM->clear();
        QTest::keyClicks(chooser->EditCOM, "12");
        chooser->BtnCOMok->click();
    });
    item("COM_SET")->trigger();

    EXPECT_EQ(chooser->TrackBarCom->value(), 12);
    EXPECT_EQ(item("COM8CTRL81")->text(), "COM12");
    EXPECT_EQ(link.LastPortName(), "\\\\.\\COM12");
    EXPECT_EQ(storedValue("NrOstatniegoComa"), "12");

    item("COM8CTRL81")->trigger();
    EXPECT_TRUE(link.Connected());
    ASSERT_FALSE(io.openedDevices.isEmpty());
    EXPECT_EQ(io.openedDevices.last(), DeviceForPortName("\\\\.\\COM12"));
    EXPECT_EQ(checkedPorts(), QStringList{"COM8CTRL81"});
    EXPECT_EQ(window->windowTitle(), "Zantrel - V 1.39  H.49 S.42");
}

TEST_F(PortMenuTest, CancelKeepsTheStoreButNotTheTrackBarMove)
{
    Start();
    TForm14* chooser = window->Form14;
    QTimer::singleShot(0, chooser, [chooser] {
        chooser->TrackBarCom->setValue(20);
        chooser->BtnCOMcancel->click();
    });
    item("COM_SET")->trigger();
    EXPECT_EQ(link.LastPortName(), "\\\\.\\COM20") << "a track bar move takes effect at once";
    EXPECT_EQ(item("COM8CTRL81")->text(), "COM8");
    EXPECT_EQ(storedValue("NrOstatniegoComa"), "8");
}

TEST_F(PortMenuTest, ADevicePathCanBeChosenAndSurvivesARestart)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "ports have no device paths here";
#endif
    Start();
    TForm14* chooser = window->Form14;
    QTimer::singleShot(0, chooser, [chooser] {
        QTest::keyClicks(chooser->EditDevicePath, "/dev/ttyUSB0");
        chooser->BtnCOMok->click();
    });
    item("COM_SET")->trigger();
    EXPECT_EQ(item("COM8CTRL81")->text(), "/dev/ttyUSB0");
    EXPECT_EQ(link.LastPortName(), "/dev/ttyUSB0");

    window.reset();
    link.SetLastPortName(EcuLink::kInitialLastPortName);
    Create();
    EXPECT_EQ(link.LastPortName(), "/dev/ttyUSB0");
    EXPECT_EQ(item("COM8CTRL81")->text(), "/dev/ttyUSB0");
}

// A number its track bar cannot show would store one port and show another: OK refuses it.
TEST_F(PortMenuTest, TheChooserRefusesANumberItsTrackBarCannotShow)
{
    Start();
    TForm14* chooser = window->Form14;
    QTimer::singleShot(0, chooser, [chooser] {
        for (const char* beyond : {"300", "0", ""}) {
            chooser->EditCOM->clear();
            QTest::keyClicks(chooser->EditCOM, beyond);
            EXPECT_FALSE(chooser->BtnCOMok->isEnabled()) << beyond;
            QTest::keyClick(chooser->EditCOM, Qt::Key_Return);
            EXPECT_TRUE(chooser->isVisible()) << beyond;
        }
        QTest::keyClicks(chooser->EditCOM, "12");
        EXPECT_TRUE(chooser->BtnCOMok->isEnabled());
        chooser->BtnCOMcancel->click();
    });
    item("COM_SET")->trigger();
    EXPECT_EQ(storedValue("NrOstatniegoComa"), "8");
}

// Once a device path is the last port, OK with the path field empty keeps it; a number
// typed (even the one the track bar shows) replaces it.
TEST_F(PortMenuTest, OkWithAnEmptyPathKeepsTheDevicePath)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "ports have no device paths here";
#endif
    Start();
    TForm14* chooser = window->Form14;
    const auto choose = [this, chooser](std::function<void()> steps) {
        QTimer::singleShot(0, chooser, [chooser, steps] {
            steps();
            chooser->BtnCOMok->click();
        });
        item("COM_SET")->trigger();
    };
    choose([chooser] { QTest::keyClicks(chooser->EditDevicePath, "/dev/ttyUSB0"); });
    choose([chooser] { EXPECT_EQ(chooser->EditDevicePath->placeholderText(), "/dev/ttyUSB0"); });
    EXPECT_EQ(link.LastPortName(), "/dev/ttyUSB0");
    EXPECT_EQ(item("COM8CTRL81")->text(), "/dev/ttyUSB0");
    EXPECT_EQ(storedValue("LastPortDevice"), "/dev/ttyUSB0");

    choose([chooser] {
        chooser->EditCOM->clear();
        QTest::keyClicks(chooser->EditCOM, "8");
    });
    EXPECT_EQ(link.LastPortName(), "\\\\.\\COM8");
    EXPECT_EQ(item("COM8CTRL81")->text(), "COM8");
    EXPECT_EQ(storedValue("LastPortDevice"), "");
    EXPECT_EQ(storedValue("NrOstatniegoComa"), "8");
}

TEST_F(PortMenuTest, TheStatusFieldTellsAMissingPortFromAMissingController)
{
    Start();
    QTRY_COMPARE(window->EditStatus->text(), QString("Com błąd"));
    link.OpenPort();
    QTRY_COMPARE(window->EditStatus->text(), QString("ECU błąd"));
}

TEST_F(PortMenuTest, MenuConnectToASilentPort)
{
    Start();
    press("Ctrl+F2");
    ASSERT_EQ(prompter.notices.size(), 1u);
    EXPECT_EQ(prompter.notices[0].text, "brak sterownika");
    EXPECT_FALSE(link.PortOpen());
    EXPECT_TRUE(checkedPorts().isEmpty());
}

TEST_F(PortMenuTest, MenuConnectToABusyPort)
{
    Start();
    io.absentDevices << DeviceForPortName("COM4");
    press("Ctrl+F4");
    ASSERT_EQ(prompter.notices.size(), 1u);
    EXPECT_EQ(prompter.notices[0].text, "Port zajęty");
}

TEST_F(PortMenuTest, AutodetectFromTheStartQuestionFindsTheControllerAndReadsParameters)
{
    AnswerOn(DeviceForPortName("COM2"));
    Create(answering(true));
    Show();
    EXPECT_TRUE(window->TimerAutoconnect.isActive());
    EXPECT_TRUE(window->Form13->isVisible());

    QTRY_VERIFY_WITH_TIMEOUT(link.Connected(), 3000);
    EXPECT_EQ(window->windowTitle(), "Zantrel - V 1.39 v.7.3.0D Corvane H.49 S.42");
    EXPECT_EQ(window->Ports().Manager().CaptionWithIdentity(), window->windowTitle());
    EXPECT_FALSE(window->TimerAutoconnect.isActive());
    EXPECT_FALSE(window->Form13->isVisible());
    EXPECT_EQ(window->Form13->EditStatus2->text(), "COM 2. 0");
    EXPECT_EQ(checkedPorts(), QStringList{"COM2CTRL21"});
    // The parameter read follows at once: 64 word requests, and as this device answers
    // none of them, each is asked for once more.
    EXPECT_EQ(clock.frames().filter(QRegularExpression("^d ")).size(), 2 * 64);
}

TEST_F(PortMenuTest, ClosingTheConnectingWindowStopsTheSearch)
{
    Start();
    press("Ctrl+D");
    EXPECT_TRUE(window->TimerAutoconnect.isActive());
    window->Form13->ZamknijBtn->click();
    EXPECT_FALSE(window->TimerAutoconnect.isActive());
    EXPECT_FALSE(window->Form13->isVisible());
    EXPECT_TRUE(window->Form13->Timer1.isActive());

    press("Ctrl+D");
    EXPECT_TRUE(window->TimerAutoconnect.isActive());
    window->Form13->close();
    EXPECT_FALSE(window->TimerAutoconnect.isActive());

    press("Ctrl+D");
    QTest::keyClick(window->Form13, Qt::Key_Escape);
    EXPECT_FALSE(window->TimerAutoconnect.isActive());
}

// Minimising the main window takes its windows out of sight; the search goes on.
TEST_F(PortMenuTest, HidingTheConnectingWindowWithoutACloseKeepsSearching)
{
    Start();
    press("Ctrl+D");
    window->showMinimized();
    window->Form13->hide();
    EXPECT_TRUE(window->TimerAutoconnect.isActive());
    window->showNormal();
    window->Form13->ShowCentred();
    window->Form13->ZamknijBtn->click();
    EXPECT_FALSE(window->TimerAutoconnect.isActive());
}

TEST_F(PortMenuTest, StoredSettingsApplyAtStart)
{
    {
        QSettings ini(workDir.filePath("qev.conf"), QSettings::IniFormat);
        ini.setValue("NrOstatniegoComa", 15);
        ini.setValue("SpaceBG", 0);
    }
    QFile language(workDir.filePath("jezyk.txt"));
    ASSERT_TRUE(language.open(QIODevice::WriteOnly));
    language.write("\x02", 1);
    language.close();

    Start();
    EXPECT_EQ(item("COM8CTRL81")->text(), "COM15");
    EXPECT_EQ(link.LastPortName(), "\\\\.\\COM15");
    EXPECT_FALSE(item("spacjaprzelaczabg1")->isChecked());
    EXPECT_TRUE(item("Angielski1")->isChecked());
    EXPECT_FALSE(item("Polski1")->isChecked());
    ASSERT_TRUE(language.open(QIODevice::ReadOnly));
    EXPECT_EQ(language.readAll(), QByteArray("\x02", 1));

    item("spacjaprzelaczabg1")->trigger();
    EXPECT_EQ(storedValue("SpaceBG"), "1");
    item("spacjaprzelaczabg1")->trigger();
    EXPECT_EQ(storedValue("SpaceBG"), "0");
}

TEST_F(PortMenuTest, AnUnusedLanguageCodeChoosesNothing)
{
    QFile language(workDir.filePath("jezyk.txt"));
    ASSERT_TRUE(language.open(QIODevice::WriteOnly));
    language.write("\x0d", 1);
    language.close();
    Start();
    int checked = 0;
    for (const char* name : {"Angielski1", "Niemiecki1", "Rosyjski1", "Hiszpanski1"})
        checked += item(name)->isChecked();
    EXPECT_EQ(checked, 0);
    EXPECT_TRUE(item("Polski1")->isChecked()) << "the creation step's check stays";
}

TEST_F(PortMenuTest, AResolutionItemRemembersItsChoice)
{
    Start();
    item("N1024x7681")->setEnabled(true);
    item("N1024x7681")->trigger();
    EXPECT_TRUE(item("N1024x7681")->isChecked());
    EXPECT_FALSE(item("N640x4801")->isChecked());
    QFile stored(workDir.filePath("rozdz.txt"));
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    EXPECT_EQ(stored.readAll(), QByteArray("\x01", 1));
}

TEST_F(PortMenuTest, AnUnwritableSettingsStoreIsReportedAndTheProgramGoesOn)
{
    QFile blocker(workDir.filePath("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    CommandLineOptions options = answering(false);
    options.settingsFile = workDir.filePath("blocked/qev.conf");
    Start(options);
    QTRY_COMPARE(prompter.notices.size(), size_t(1));
    EXPECT_TRUE(prompter.notices[0].text.contains("blocked/qev.conf")) << qPrintable(prompter.notices[0].text);
    EXPECT_EQ(item("COM8CTRL81")->text(), "COM8");
}

} // namespace
