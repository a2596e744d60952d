#include "link/WriteSequences.h"
#include "live/DiagnosticTimes.h"
#include "live/LiveView.h"
#include "live/StatusPanel.h"
#include "service/InjectorButtons.h"
#include "widgets/FuelButton.h"
#include "widgets/Led.h"

#include "sim/SimRig.h"
#include "support/MainWindowFixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

#include <functional>

namespace zantrel::test {
namespace {

using sim::test::Controller;

// The window on the simulated controller: every command shows its effect in the live
// records that follow.
class ServiceSimTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        // A reducer warm enough for gas from the start; the drive scenario turns fast
        // enough for the change-over.
        WriteParameter(rig.cmds, kMinReducerWord, 0);
        Create(answering(false), &rig.link, &simTimer);
        Show();
        rig.link.SetConnected(true);
    }

    // Lets the engine run and the live poll show record after record until one of them
    // makes `done` hold.
    bool runUntil(const std::function<bool()>& done, int maxRecords = 200)
    {
        for (int i = 0; i < maxRecords; ++i) {
            QSignalSpy accepted(&window->Live().Poll(), &LivePoll::RecordAccepted);
            rig.clock.advanceUs(50'000);
            if (!accepted.wait(2'000))
                return false;
            QCoreApplication::processEvents(); // the live view runs queued
            if (done())
                return true;
        }
        return false;
    }
    quint16 word(int index) { return window->Live().Record()[index]; }
    QString status() const { return window->EditStatus->text(); }

    static constexpr int kMinReducerWord = 5;
    sim::test::SimRig rig{Controller([](auto& o) { o.scenario = sim::Scenario::Drive; })};
    PauseStepTimer simTimer{rig.clock};
};

TEST_F(ServiceSimTest, FuelCommandsShowInTheNextRecords)
{
    StatusPanel& panel = window->Live().Panel();
    press("Ctrl+P");
    ASSERT_TRUE(runUntil([&] { return status() == "BENZYNA"; }));
    EXPECT_EQ(word(live::kFuelState), 0);
    EXPECT_EQ(panel.ButtonBenzyna->faceFrom(), QColor(255, 0, 0));
    EXPECT_EQ(panel.BG_Brisca->onCaption(), "Benzyna");

    press("Ctrl+L");
    ASSERT_TRUE(runUntil([&] { return status() == "LPG"; }));
    EXPECT_EQ(word(live::kFuelState), 1);
    EXPECT_EQ(panel.ButtonLPG->faceFrom(), QColor(0, 128, 0));
    EXPECT_EQ(panel.BG_Brisca->onCaption(), "Gaz");

    // The space bar goes back to petrol.
    press("Space");
    ASSERT_TRUE(runUntil([&] { return status() == "BENZYNA"; }));
}

TEST_F(ServiceSimTest, AnInjectorSwitchedOffGetsNoGasUntilSwitchedOnAgain)
{
    ASSERT_TRUE(runUntil([&] { return word(live::kFuelState) == 1; }));
    const int cylinder2 = live::kGasTime[1];
    EXPECT_GT(word(cylinder2), 0);

    QPushButton* w2 = window->Injectors().ButtonW[1];
    w2->click();
    ASSERT_TRUE(runUntil([&] { return word(live::kInjectorMask) == 0x0002; }));
    EXPECT_EQ(word(cylinder2), 0) << "the record after the click";
    EXPECT_GT(word(live::kGasTime[0]), 0);

    w2->click();
    ASSERT_TRUE(runUntil([&] { return word(live::kInjectorMask) == 0; }));
    EXPECT_GT(word(cylinder2), 0);
}

TEST_F(ServiceSimTest, ErrorsAreReadAndTheMemoryIsCleared)
{
    Led& lamp = *window->Live().Panel().AbLEDError;
    ASSERT_TRUE(runUntil([&] { return lamp.caption() == "Sprawny"; }));
    EXPECT_FALSE(lamp.isOn());

    rig.model.setErrors(0x0004);
    ASSERT_TRUE(runUntil([&] { return word(live::kErrors) == 0x0004; }));
    EXPECT_TRUE(lamp.isOn());
    EXPECT_TRUE(lamp.isFlashing());
    EXPECT_EQ(lamp.caption(), QString::fromUtf8("Błąd"));

    // Gone, but remembered until "X".
    rig.model.setErrors(0);
    ASSERT_TRUE(runUntil([&] { return word(live::kErrors) == 0; }));
    EXPECT_EQ(word(live::kStoredErrors), 0x0004);
    EXPECT_TRUE(lamp.isFlashing());
    press("Ctrl+B");
    ASSERT_EQ(prompter.notices.size(), 1u);
    EXPECT_EQ(prompter.notices[0].text, QString::fromUtf8("Status\nWystąpiły Błędy ! :\n\n\nStare Zapamiętane BŁĘDY::\n"
                                                          "3: Czujnik cisnienia zwarty do masy\n"));

    press("Ctrl+E");
    ASSERT_TRUE(runUntil([&] { return word(live::kStoredErrors) == 0; }));
    EXPECT_FALSE(lamp.isOn());
    EXPECT_FALSE(lamp.isFlashing());
    EXPECT_EQ(lamp.caption(), "Sprawny");
    lamp.click();
    ASSERT_EQ(prompter.notices.size(), 2u);
    EXPECT_EQ(prompter.notices[1].text, QString::fromUtf8("Status\nBrak Błędów\n"));
}

} // namespace
} // namespace zantrel::test
