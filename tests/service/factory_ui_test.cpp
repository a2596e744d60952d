#include "config/ConfigBitFields.h"
#include "config/ParameterTransferUi.h"
#include "image/ParameterWordIndex.h"
#include "link/ReadSequences.h"
#include "live/LiveView.h"
#include "live/ReadingsTab.h"
#include "service/FactoryTab.h"
#include "service/IdleCorrectionWindow.h"
#include "service/ReserveGaugeWindow.h"
#include "widgets/Led.h"

#include "sim/SimRig.h"
#include "support/MainWindowFixture.h"
#include "support/ModalDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace zantrel::test {
namespace {

TEST_F(MainWindowFixture, TheFactoryTabIsShownInTheServiceViewOnly)
{
    for (const bool service : {false, true}) {
        Create(service ? serviceOptions() : answering(false));
        const int index = window->MainPage->indexOf(window->Tab(TabId::TabSheet8));
        EXPECT_EQ(window->MainPage->isTabVisible(index), service);
        EXPECT_EQ(window->MenuItemShown("Fabr1"), service);
        EXPECT_EQ(window->MenuItemShown("OdczytajDaneSamochodu1"), service);
        window.reset();
        gate.reset();
    }
}

// The window in the service view on the simulated controller.
class FactorySimTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        Create(serviceOptions(), &rig.link, &simTimer);
        Show();
        rig.link.SetConnected(true);
        image.SetIdentity({rig.model.hardwareByte(), sim::ControllerModel::kSoftwareByte});
    }
    FactoryTab& factory() { return window->Factory(); }
    QString lastNotice() const { return prompter.notices.empty() ? QString() : prompter.notices.back().text; }
    QString counters()
    {
        press("Ctrl+T");
        QCoreApplication::processEvents(); // the report comes from the loop
        return lastNotice();
    }

    sim::test::SimRig rig;
    PauseStepTimer simTimer{rig.clock};
};

TEST_F(FactorySimTest, TheDeviceDataFollowTheReadAndTheSerialNumberIsWritten)
{
    window->Transfer().ButtonOdczytajParam->click();
    EXPECT_EQ(factory().EditUrzadzenie->text(), "d.4");
    EXPECT_EQ(factory().EditOprogramowanie->text(), "S.37");
    EXPECT_EQ(factory().EditLiczbaCyl->text(), "3-4cyl.");
    EXPECT_EQ(factory().EditSerialNumber->text(), "12345");
    EXPECT_EQ(factory().EditMulti->text(), "12345");
    const QChar sep = window->EntrySeparators().decimal;
    EXPECT_EQ(factory().ThresholdEdits[0]->text(), QString("4") + sep + "58"); // 3750
    EXPECT_EQ(factory().ComboBoxSzkloRosMal->currentIndex(), 0);

    factory().EditMulti->setText("70000");
    factory().ButtonWprowadzSer->click();
    EXPECT_EQ(factory().EditSerialNumber->text(), "4464"); // read back
    EXPECT_EQ(ReadExtendedWord(rig.cmds, 61), 4464);
    EXPECT_EQ(image.SerialNumber(), 4464);

    factory().EditMulti->setText("7a");
    factory().ButtonWprowadzSer->click();
    EXPECT_EQ(lastNotice(), QString::fromUtf8("\"7a\" nie jest poprawną liczbą. Wartość nie została zapisana."));
    EXPECT_EQ(ReadExtendedWord(rig.cmds, 61), 4464);
}

TEST_F(FactorySimTest, CtrlTShowsTheCountersAndTheResetsClearThem)
{
    const QString before = counters();
    EXPECT_TRUE(before.startsWith("Czas pracy na benzynie:\nDoby: 1\nGodziny: 1\n")) << before.toStdString();
    EXPECT_TRUE(before.contains("Czas pracy na gazie:\nDoby: 2\nGodziny: 7\nMinuty: 33\nSekundy: 20\n"));
    EXPECT_TRUE(before.contains("Procentowy czas pracy na gazie:       68"));

    factory().ButtonResetLPGT->click();
    EXPECT_TRUE(counters().contains("Czas pracy na gazie:\nDoby: 0\nGodziny: 0\nMinuty: 0\nSekundy: 0\n"));
    factory().Button12->click();
    // The idle engine runs on petrol all the while, so its counter starts again at once.
    const QString after = counters();
    EXPECT_TRUE(after.startsWith("Czas pracy na benzynie:\nDoby: 0\nGodziny: 0\nMinuty: 0\n")) << after.toStdString();
    const QChar sep = window->EntrySeparators().decimal;
    EXPECT_TRUE(after.contains(QString("Procentowy czas pracy na gazie:       0") + sep + "00%"));
    EXPECT_EQ(image.Counters().gasSeconds, 0u);
    EXPECT_LT(image.Counters().petrolSeconds, 60u);
}

// The window on a scripted device that answers nothing: the frames are what it sends.
class FactoryWindowTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        Start(serviceOptions());
        ASSERT_TRUE(link.OpenPort());
        clock.clearEvents();
    }
    QStringList sent()
    {
        const QStringList frames = clock.frames();
        clock.clearEvents();
        return frames;
    }
    FactoryTab& factory() { return window->Factory(); }
    QString decimal(const char* text) const
    {
        return QString::fromLatin1(text).replace(u',', window->EntrySeparators().decimal);
    }
    QPushButton* button(const char* name) const
    {
        auto* b = window->findChild<QPushButton*>(QString::fromLatin1(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
};

TEST_F(FactoryWindowTest, ACounterReadWithoutAnswersSaysSo)
{
    press("Ctrl+T");
    QCoreApplication::processEvents();
    ASSERT_EQ(prompter.notices.size(), 1u);
    EXPECT_EQ(prompter.notices[0].text,
              QString::fromUtf8("Czas pracy na benzynie:\nbrak odpowiedzi sterownika, licznik nie został odczytany\n\n"
                                "Czas pracy na gazie:\nbrak odpowiedzi sterownika, licznik nie został odczytany"));
    EXPECT_EQ(sent(), (QStringList{"d 23 00 00", "d 24 00 00", "d 26 00 00", "d 25 00 00"}));
}

TEST_F(FactoryWindowTest, TheReserveDialogShowsTheLevelAndSavesTheThresholds)
{
    ParameterTable& table = parameters;
    for (const auto& [word, value] : {std::pair{30, 3750}, {31, 3400}, {32, 3100}, {33, 2200}})
        table.StoreReceived(word, quint16(value));
    table.StoreReceived(kFlagsAWord, 0x8020);
    table[ParameterTable::kShadow22] = 0x8020; // "20kR", falling
    LiveRecord& record = window->Live().Record();
    record[live::kFuelState] = 1;
    record[live::kLevel] = 3000;
    factory().ComboBoxSzkloRosMal->setCurrentIndex(0);

    TForm12& dialog = *window->Form12;
    WhenShown(dialog, [&] {
        int lit = 0;
        for (const Led* lamp : dialog.Lamps)
            lit += lamp->isOn() ? 1 : 0;
        EXPECT_EQ(lit, 4);
        EXPECT_TRUE(dialog.Lamps[3]->isOn());
        EXPECT_FALSE(dialog.Lamps[4]->isOn()) << "not full";
        window->Live().UpdateLiveView();
        EXPECT_EQ(dialog.EditPoziomLPG->text(), window->Live().Readings().EditPoziomLPG->text());
        for (const auto& [field, text] : {std::pair{0, "4,58"}, {1, "4"}, {2, "3"}, {3, "1,5"}})
            dialog.ThresholdEdits[size_t(field)]->setText(decimal(text));
        dialog.ComboBoxSzkloRosMal->setCurrentIndex(1);
        dialog.ButtonZapisz->click();
    });
    button("ButtonSzkielkoDefiniuj")->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(factory().ThresholdEdits[0]->text(), decimal("4,58"));
    EXPECT_EQ(factory().ComboBoxSzkloRosMal->currentIndex(), 1);
    EXPECT_EQ(sent(), (QStringList{"K 16 00 00", "E 16 84 20", "D 16 84 20", "K 1e 00 00", "E 1e 0e a7", "D 1e 0e a7",
                                   "K 1f 00 00", "E 1f 0c cc", "D 1f 0c cc", "K 20 00 00", "E 20 09 99", "D 20 09 99",
                                   "K 21 00 00", "E 21 04 cc", "D 21 04 cc"}));
}

TEST_F(FactoryWindowTest, ANumberFieldThatHoldsNoNumberSendsNothing)
{
    for (QLineEdit* edit : factory().ThresholdEdits)
        edit->setText(decimal("1,5"));
    factory().ThresholdEdits[2]->setText("1x");
    factory().ButtonSzkielko->click();
    EXPECT_EQ(prompter.notices.back().text, QString::fromUtf8("\"1x\" nie jest poprawną liczbą. Wartość nie została zapisana."));

    TForm11& dialog = *window->Form11;
    WhenShown(dialog, [&] {
        dialog.EditPrzesuniecie2->setText("abc");
        dialog.ButtonWprowadz->click();
        EXPECT_TRUE(dialog.isVisible());
        dialog.ButtonAnuluj->click();
    });
    button("PoprawkiButton")->click();
    EXPECT_EQ(prompter.notices.size(), 2u);
    EXPECT_EQ(sent(), QStringList{});
}

TEST_F(FactoryWindowTest, TheExtraCorrectionDialogWritesTheHeldTimeAndTheInjectors)
{
    TForm11& dialog = *window->Form11;
    WhenShown(dialog, [&] {
        dialog.CheckBoxes[0]->setChecked(true);
        dialog.CheckBoxes[7]->setChecked(true);
        dialog.EditPrzesuniecie2->setText("-6");
        dialog.ButtonWprowadz->click();
    });
    button("PoprawkiButton")->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(factory().EditPrzesuniecie2->text(), decimal("-4,00"));
    EXPECT_TRUE(factory().CheckBoxes[7]->isChecked());
    const QStringList frames = sent();
    ASSERT_EQ(frames.size(), 6);
    EXPECT_EQ(frames[0], "K 34 00 00");
    EXPECT_EQ(frames.mid(3), (QStringList{"K 33 00 00", "E 33 00 81", "D 33 00 81"}));
}

} // namespace
} // namespace zantrel::test
