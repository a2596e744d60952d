#include "base/CodePage.h"
#include "config/ParameterTransferUi.h"
#include "link/ReadSequences.h"
#include "service/CarDataUi.h"
#include "service/CarDataWindow.h"

#include "sim/SimRig.h"
#include "support/MainWindowFixture.h"
#include "support/ModalDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>

namespace zantrel::test {
namespace {

using sim::test::Controller;

// The window on the simulated controller, its car data read with every read-all.
class CarDataUiTest : public MainWindowFixture {
protected:
    void start(bool erased)
    {
        rig = std::make_unique<sim::test::SimRig>(Controller([erased](auto& o) { o.erasedCarData = erased; }));
        simTimer = std::make_unique<PauseStepTimer>(rig->clock);
        Create(answering(false), &rig->link, simTimer.get());
        Show();
        rig->link.SetConnected(true);
        window->AnswerShutdownQuestion(false);
    }
    // The read-all with its after-read job; the question that follows comes from the loop.
    void readAll()
    {
        window->Transfer().ButtonOdczytajParam->click();
        QCoreApplication::processEvents();
    }
    TForm5& dialog() { return *window->Form5; }
    void fillIn(const char* registration, const char* installer)
    {
        TForm5& d = dialog();
        d.NrRejEdit->setText(QString::fromUtf8(registration));
        d.MarkaEdit->setText(QStringLiteral("Zefira"));
        d.ModelEdit->setText(QStringLiteral("Tarsa"));
        d.OpisEdit->setPlainText(QString::fromUtf8(installer));
        d.DataRokEdit->setText(QStringLiteral("2024"));
        d.DataMiesEdit->setText(QStringLiteral("1")); // not left: saved as "01"
        d.DataDzienEdit->setText(QStringLiteral("17"));
        d.ComboBox2->setCurrentIndex(1);
        d.ComboBox3->setCurrentIndex(5);
        d.ComboBox1->setCurrentIndex(33);
        d.ComboBox4->setCurrentIndex(16);
    }
    quint16 simWord(int index) { return ReadExtendedWord(rig->cmds, quint8(index)).value_or(0xDEAD); }
    // The port closes with the window; the controller is read on its own afterwards.
    void reopen() { ASSERT_TRUE(rig->link.PortOpen() || rig->link.OpenPort()); }

    std::unique_ptr<sim::test::SimRig> rig;
    std::unique_ptr<PauseStepTimer> simTimer;
};

TEST_F(CarDataUiTest, TheReadAllBringsTheCarDataWhichTheViewShows)
{
    start(false);
    readAll();
    EXPECT_TRUE(prompter.questions.empty());
    const CarDataBlock& block = image.CarData();
    EXPECT_EQ(block.known.count(), size_t(CarDataBlock::kWrittenWords));
    EXPECT_EQ(block.capacity, 25 << 8);

    bool shown = false;
    WhenShown(dialog(), [&] {
        TForm5& d = dialog();
        shown = true;
        EXPECT_EQ(d.NrRejEdit->text(), "ZT 1039A");
        EXPECT_EQ(d.OpisEdit->toPlainText(), QString::fromUtf8("Warsztat Demo, Łódź"));
        EXPECT_EQ(d.DataDzienEdit->text(), "17");
        EXPECT_EQ(d.ComboBox3->currentText(), "4");
        EXPECT_EQ(d.ComboBox4->currentText(), QString("1") + window->EntrySeparators().decimal + "80mm");
        EXPECT_FALSE(d.NrRejEdit->isEnabled());
        EXPECT_FALSE(d.ComboBox1->isEnabled());
        EXPECT_FALSE(d.ButOK->isVisible());
        d.ButCancel->click();
    });
    EXPECT_FALSE(window->CarData().Open(CarDataUi::Entry::View));
    EXPECT_TRUE(shown);
}

TEST_F(CarDataUiTest, TheEngineDataEntryWritesWords62And63Only)
{
    start(false);
    readAll();
    const quint16 first = simWord(0);
    WhenShown(dialog(), [&] {
        TForm5& d = dialog();
        EXPECT_FALSE(d.NrRejEdit->isEnabled());
        EXPECT_TRUE(d.ComboBox2->isEnabled());
        d.ComboBox2->setCurrentIndex(1); // "V - Widlasty"
        d.ComboBox3->setCurrentIndex(5); // 6 cylinders
        d.ComboBox4->setCurrentIndex(16); // "1,80mm"
        d.ComboBox1->setCurrentIndex(33); // "2,00 L"
        d.ButOK->click();
    });
    window->MenuItem(QStringLiteral("ZapiszDaneAuta1"))->trigger();
    EXPECT_EQ(simWord(62), 0x1510);
    EXPECT_EQ(simWord(63), 0x2100);
    EXPECT_EQ(simWord(0), first);
    EXPECT_EQ(image.CarData().engine, 0x1510);
}

TEST_F(CarDataUiTest, AControllerWithoutCarDataIsAskedForThemAndTheyAreWritten)
{
    start(true);
    prompter.answers = {true};
    WhenShown(dialog(), [&] {
        // Every list shows "Brak Danej", the fields no erased memory.
        TForm5& d = dialog();
        for (QComboBox* list : {d.ComboBox1, d.ComboBox2, d.ComboBox3, d.ComboBox4})
            EXPECT_EQ(list->currentIndex(), -1);
        EXPECT_EQ(d.ComboBox2->placeholderText(), "Brak Danej");
        EXPECT_EQ(d.NrRejEdit->text(), "");
        EXPECT_TRUE(d.NrRejEdit->isEnabled());
        fillIn("KR 5Z", "Łódź");
        d.ButOK->click();
    });
    readAll();
    ASSERT_EQ(prompter.questions.size(), 1u);
    EXPECT_EQ(prompter.questions[0].caption, "Zapisz Dane Samochodu");
    EXPECT_EQ(prompter.questions[0].text, QString::fromUtf8("Nie Zapisano Danych Samochodu!!! Czy zrobić to teraz ??"));
    EXPECT_TRUE(window->isVisible());

    EXPECT_EQ(simWord(0), ('K' << 8) | 'R');
    EXPECT_EQ(simWord(1), (' ' << 8) | '5');
    EXPECT_EQ(simWord(2), ('Z' << 8) | ' ');      // and the padding
    EXPECT_EQ(simWord(5), 0x2020);
    EXPECT_EQ(simWord(21), (0xA3 << 8) | 0xF3);   // "Łó" in the page of Polish
    EXPECT_EQ(simWord(38), ('0' << 8) | '1');     // the month
    EXPECT_EQ(simWord(40) >> 8, 0);               // the end of the text
    EXPECT_EQ(simWord(59), 0xFFFF);               // the controller's own, as read
    EXPECT_EQ(simWord(62), 0x1510);
    EXPECT_EQ(simWord(63), 0x2100);               // saved

    // Saved: the next read does not ask again.
    readAll();
    EXPECT_EQ(prompter.questions.size(), 1u);
}

TEST_F(CarDataUiTest, DecliningOrLeavingTheDialogEndsTheProgram)
{
    for (const bool leaveDialog : {false, true}) {
        start(true);
        QSignalSpy ended(window.get(), &TForm1::ShutdownComplete);
        prompter.answers = {leaveDialog};
        if (leaveDialog)
            WhenShown(dialog(), [&] { dialog().ButCancel->click(); });
        readAll();
        EXPECT_EQ(ended.count(), 1) << leaveDialog;
        EXPECT_FALSE(window->isVisible());
        reopen();
        EXPECT_EQ(simWord(63), 0xFFFF) << "nothing written";
        window.reset();
        gate.reset();
    }
}

TEST_F(CarDataUiTest, ATextTheBlockCannotHoldIsRefusedBeforeAnythingIsWritten)
{
    start(true);
    prompter.answers = {true};
    WhenShown(dialog(), [&] {
        TForm5& d = dialog();
        fillIn("KR 5Z", "ok");
        d.MarkaEdit->setText(QString::fromUtf8("Жигули"));
        d.ButOK->click();
        EXPECT_TRUE(d.isVisible()) << "the dialog stays for the field to be put right";
        d.OpisEdit->setPlainText(QStringLiteral("0123456789012345678901234567890"));
        d.MarkaEdit->setText(QStringLiteral("Zefira"));
        d.ButOK->click();
        EXPECT_TRUE(d.isVisible());
        d.ButCancel->click();
    });
    readAll();
    ASSERT_EQ(prompter.notices.size(), 2u);
    EXPECT_EQ(prompter.notices[0].text, QString::fromUtf8("Znaku \"Ж\" w polu \"Marka:\" nie można zapisać w sterowniku. "
                                                          "Dane samochodu nie zostały zapisane."));
    EXPECT_TRUE(prompter.notices[1].text.contains("30")) << prompter.notices[1].text.toStdString();
    reopen();
    for (const int word : {0, 6, 62, 63})
        EXPECT_EQ(simWord(word), 0xFFFF) << word;
}

TEST_F(CarDataUiTest, EnterMovesOnFromAFilledFieldAndTheDatesAreChecked)
{
    start(true);
    prompter.answers = {true};
    WhenShown(dialog(), [&] {
        TForm5& d = dialog();
        // The offscreen platform does not hand the activation to a dialog by itself.
        QApplication::setActiveWindow(&d);
        d.NrRejEdit->setFocus();
        QTest::keyClick(d.NrRejEdit, Qt::Key_Return);
        EXPECT_TRUE(d.NrRejEdit->hasFocus()) << "an empty field keeps the focus";
        QTest::keyClicks(d.NrRejEdit, "AB");
        QTest::keyClick(d.NrRejEdit, Qt::Key_Return);
        EXPECT_TRUE(d.ComboBox2->hasFocus());
        d.DataRokEdit->setFocus();
        QTest::keyClicks(d.DataRokEdit, "24");
        d.DataMiesEdit->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(d.DataRokEdit->text(), "2005");
        d.ButCancel->click();
    });
    readAll();
    ASSERT_FALSE(prompter.notices.empty());
    EXPECT_EQ(prompter.notices[0].text, "Wpisz Rok (4 cyfry)");
}

} // namespace
} // namespace zantrel::test
