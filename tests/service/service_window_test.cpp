#include "live/LiveView.h"
#include "live/ReadingsTab.h"
#include "live/StatusPanel.h"
#include "service/InjectorButtons.h"
#include "widgets/FuelButton.h"
#include "widgets/Led.h"
#include "widgets/TankPicture.h"

#include "support/MainWindowFixture.h"

#include <QPushButton>

namespace zantrel::test {
namespace {

// The service commands of the window on a scripted device: the frames they send and
// what they show, with the live record set by hand.
class ServiceWindowTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        Start();
        ASSERT_TRUE(link.OpenPort()); // open but not connected: the live poll sends nothing
        clock.clearEvents();
    }

    LiveRecord& record() { return window->Live().Record(); }
    StatusPanel& panel() { return window->Live().Panel(); }
    InjectorButtons& injectors() { return window->Injectors(); }
    // A record as the live poll shows it.
    void showRecord() { window->Live().UpdateLiveView(); }

    QByteArray lastFrame() const
    {
        for (auto e = clock.events().rbegin(); e != clock.events().rend(); ++e)
            if (e->kind == VirtualClock::Event::Kind::Frame)
                return e->bytes;
        return {};
    }
    QStringList sent()
    {
        const QStringList frames = clock.frames();
        clock.clearEvents();
        return frames;
    }
    QColor face(const FuelButton* button) const { return button->faceFrom(); }
    QColor menuFace() { return FuelFaceColour(FuelFace::Menu, panel().palette()); }
    QColor fontColour(int injector) { return injectors().ButtonW[size_t(injector - 1)]->palette().color(QPalette::ButtonText); }
};

const QStringList kGas{"G 00 00 00"};
const QStringList kClearThenGas{"X 00 00 00", "G 00 00 00"};
const QStringList kAutomatic{"A 00 00 00"};
const QStringList kClearThenAutomatic{"X 00 00 00", "A 00 00 00"};
const QStringList kPetrol{"B 00 00 00"};

TEST_F(ServiceWindowTest, AutomaticAndGasClearARememberedLowPressureFirst)
{
    const struct {
        const char* control; // a shortcut, or the name of a fuel button
        quint16 remembered;
        QStringList frames;
    } cases[] = {
        {"Ctrl+L", 0x0001, kClearThenGas},     {"Ctrl+L", 0x0000, kGas},
        {"Ctrl+L", 0x0800, kGas},              {"Ctrl+A", 0x0001, kClearThenAutomatic},
        {"Ctrl+A", 0x0000, kAutomatic},        {"Ctrl+P", 0x0001, kPetrol},
        {"ButtonLPG", 0x0001, kClearThenGas},  {"ButtonAutomat", 0x0001, kClearThenAutomatic},
        {"ButtonBenzyna", 0x0001, kPetrol},    {"ButtonLPG", 0x0000, kGas},
    };
    for (const auto& c : cases) {
        record()[live::kStoredErrors] = c.remembered;
        if (auto* button = window->findChild<FuelButton*>(QString::fromLatin1(c.control)))
            button->click();
        else
            press(c.control);
        EXPECT_EQ(sent(), c.frames) << c.control << " " << c.remembered;
    }
}

TEST_F(ServiceWindowTest, TheAutomaticButtonIsOrangeUntilTheNextRecord)
{
    showRecord();
    EXPECT_EQ(face(panel().ButtonBenzyna), QColor(255, 0, 0));

    panel().ButtonAutomat->click();
    EXPECT_EQ(face(panel().ButtonAutomat), QColor(255, 128, 0));
    EXPECT_EQ(face(panel().ButtonBenzyna), menuFace());
    EXPECT_EQ(face(panel().ButtonLPG), menuFace());

    showRecord();
    EXPECT_EQ(face(panel().ButtonAutomat), menuFace());
    EXPECT_EQ(face(panel().ButtonBenzyna), QColor(255, 0, 0));
}

TEST_F(ServiceWindowTest, TheGasButtonPaintsGasAtOnceWhenTheRecordReportsGas)
{
    showRecord();
    panel().ButtonLPG->click();
    EXPECT_EQ(face(panel().ButtonLPG), menuFace()) << "the controller still reports petrol";

    record()[live::kFuelState] = 1; // accepted, not yet shown
    panel().ButtonLPG->click();
    EXPECT_EQ(face(panel().ButtonLPG), QColor(0, 128, 0));
    EXPECT_EQ(face(panel().ButtonBenzyna), menuFace());
    EXPECT_EQ(sent(), (QStringList{"G 00 00 00", "G 00 00 00"}));
}

TEST_F(ServiceWindowTest, TheSpaceBarTogglesOnlyWhileItsOptionIsChecked)
{
    QAction* option = item("spacjaprzelaczabg1");
    ASSERT_TRUE(option->isChecked());
    press("Space");
    EXPECT_EQ(sent(), kGas);

    option->trigger();
    ASSERT_FALSE(option->isChecked());
    press("Space");
    EXPECT_EQ(sent(), QStringList());
    panel().BG_Brisca->click();
    EXPECT_EQ(sent(), kGas);
    window->Live().Readings().ImageClips->click();
    EXPECT_EQ(sent(), kGas);

    // On gas every toggle goes to petrol.
    record()[live::kFuelState] = 1;
    showRecord();
    EXPECT_EQ(panel().BG_Brisca->onCaption(), "Gaz");
    panel().BG_Brisca->click();
    window->Live().Readings().ImageClips->click();
    option->trigger();
    press("Space");
    EXPECT_EQ(sent(), (QStringList{"B 00 00 00", "B 00 00 00", "B 00 00 00"}));
}

TEST_F(ServiceWindowTest, TheTankPictureShowsPicture4UntilTheNextRecord)
{
    TankPicture* tank = window->Live().Readings().ImageClips;
    record()[live::kStoredErrors] = 0x0001;
    record()[live::kFuelState] = 1; // accepted, not yet shown
    tank->click();
    EXPECT_EQ(sent(), kClearThenGas);
    EXPECT_EQ(tank->picture(), 4);

    // The controller went back to petrol: its picture replaces the one of the click.
    record()[live::kFuelState] = 0;
    showRecord();
    EXPECT_EQ(tank->picture(), 0);
}

TEST_F(ServiceWindowTest, AnInjectorButtonSendsTheReportedMaskWithItsBitInverted)
{
    QPushButton* w2 = injectors().ButtonW[1];
    // The language chosen at the first activation puts the "on" string on the buttons.
    EXPECT_EQ(w2->text(), QStringLiteral("Włączony"));
    EXPECT_TRUE(w2->font().bold());
    EXPECT_EQ(fontColour(2), QColor(255, 0, 0));
    EXPECT_EQ(injectors().ButtonW[0]->toolTip(), "Wylaczenie Wtrysku GAZOWEGO");
    EXPECT_EQ(injectors().parentWidget(), window->Tab(TabId::TabSheet10));

    record()[live::kInjectorMask] = 0x0100;
    w2->click();
    EXPECT_EQ(lastFrame(), QByteArray("\x4f\x00\x01\x02\x52\x3b", 6));
    EXPECT_EQ(w2->text(), QString::fromUtf8("Wyłączony"));
    EXPECT_EQ(fontColour(2), QColor(0, 0, 0));

    // A second click before the next record starts from the mask it left.
    injectors().ButtonW[7]->click();
    EXPECT_EQ(lastFrame(), QByteArray("\x4f\x00\x01\x82\xd2\x3b", 6));

    // The next record brings the controller's mask; the click starts from it.
    record()[live::kInjectorMask] = 0x0002;
    w2->click();
    EXPECT_EQ(lastFrame(), QByteArray("\x4f\x00\x00\x00\x4f\x3b", 6));
    EXPECT_EQ(w2->text(), QString::fromUtf8("Włączony"));
    EXPECT_EQ(fontColour(2), QColor(255, 0, 0));
}

TEST_F(ServiceWindowTest, LeavingTheDiagnosticsWarnsOfInjectorsSwitchedOff)
{
    press("F9");
    injectors().ButtonExitDiag->click();
    EXPECT_EQ(window->CurrentTab(), TabId::TabSheet4);
    EXPECT_TRUE(prompter.questions.empty());

    press("F9");
    injectors().ButtonW[1]->click();
    injectors().ButtonW[4]->click();
    prompter.answers = {false, true};
    injectors().ButtonExitDiag->click();
    EXPECT_EQ(window->CurrentTab(), TabId::TabSheet10);
    injectors().ButtonExitDiag->click();
    EXPECT_EQ(window->CurrentTab(), TabId::TabSheet4);
    ASSERT_EQ(prompter.questions.size(), 2u);
    EXPECT_EQ(prompter.questions[0].caption, QString());
    EXPECT_EQ(prompter.questions[0].text, QString::fromUtf8("Uwaga wtryskiwacz(e) 2 5  zostały wyłączone, kontynuować"));

    // Only the exit button checks: another tab, by a click or a function key, is
    // selected directly, and the injectors stay as they are.
    press("F9");
    clickTab(TabId::TabSheet1);
    EXPECT_EQ(window->CurrentTab(), TabId::TabSheet1);
    press("F9");
    press("F2");
    EXPECT_EQ(window->CurrentTab(), TabId::TabSheet1);
    EXPECT_EQ(prompter.questions.size(), 2u);
}

TEST_F(ServiceWindowTest, ErrorsAreReportedFromTheLastRecordAndClearedWithoutAQuestion)
{
    record()[live::kErrors] = 0x0400;
    record()[live::kFaultyInjectors] = 0x0005;
    press("Ctrl+B");
    panel().AbLEDError->click();
    const QString report = QString::fromUtf8("Status\nWystąpiły Błędy ! :11: Wtryskiwacz Gazowy Uszkodzony:\n1\n3\n"
                                             "\n\n\nStare Zapamiętane BŁĘDY::\n11: Wtryskiwacz Gazowy Uszkodzony:\n");
    ASSERT_EQ(prompter.notices.size(), 2u);
    for (const auto& notice : prompter.notices) {
        EXPECT_EQ(notice.caption, "Zantrel");
        EXPECT_EQ(notice.text, report);
    }
    EXPECT_EQ(sent(), QStringList()) << "the report is read from the record";

    press("Ctrl+E");
    EXPECT_EQ(lastFrame(), QByteArray("\x58\x00\x00\x00\x58\x3b", 6));
    EXPECT_TRUE(prompter.questions.empty());
    EXPECT_EQ(prompter.notices.size(), 2u);
}

} // namespace
} // namespace zantrel::test
