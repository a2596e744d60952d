#include "config/ParameterTransferUi.h"

#include "support/MainWindowFixture.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

using namespace zantrel;

namespace {

class TransferUiTest : public test::MainWindowFixture {
protected:
    // A controller that answers every "d" i with the word 0x0100 + i (0xAAAA for word 0).
    void AnswerWords()
    {
        io.onWrite = [this](const QByteArray& f) {
            if (f.at(0) != 'd')
                return;
            const quint8 i = quint8(f.at(1));
            const quint16 v = i == 0 ? 0xAAAA : quint16(0x0100 + i);
            QByteArray reply("d");
            reply += char(i);
            reply += char(v >> 8);
            reply += char(v & 0xFF);
            reply += '\0';
            reply += ';';
            io.deliver(reply, 300);
        };
    }
};

TEST_F(TransferUiTest, TheReadButtonReadsAllWordsIntoTheTable)
{
    Start();
    ASSERT_TRUE(link.OpenPort());
    AnswerWords();
    QStringList statuses;
    QObject::connect(window->EditStatus, &QLineEdit::textChanged, [&](const QString& t) { statuses << t; });
    window->Transfer().ButtonOdczytajParam->click();
    // The refresh after the read connects the vacuum line (bit 15 of word 22) and selects
    // the load + RPM map (bits 2..3 of word 47 at 1); every other word is as read.
    for (int i = 1; i < 64; ++i) {
        const int read = 0x0100 + i;
        const int expected = i == 22 ? read | 0x8000 : i == 47 ? (read & ~0x000C) | 0x0004 : read;
        EXPECT_EQ(parameters[i], expected) << i;
    }
    EXPECT_EQ(parameters.word(0), 0xAAAA);
    EXPECT_EQ(window->Transfer().ProgressBar1->value(), window->Transfer().ProgressBar1->maximum());
    EXPECT_TRUE(window->Transfer().ButtonOdczytajParam->isHidden());
    EXPECT_TRUE(prompter.questions.empty()) << "a programmed controller asks nothing";
    // The refresh, then the phases of the map read that follows it.
    EXPECT_EQ(statuses, (QStringList{"Param.", "Mapa 1", "Mapa 1p", "Mapa 2"}));
}

// Ctrl+O loads a parameter file: it asks for the file first, and a cancelled dialog
// sends nothing.
TEST_F(TransferUiTest, CtrlOAsksForAParameterFileAndCancelSendsNothing)
{
    Start();
    ASSERT_TRUE(link.OpenPort());
    clock.clearEvents();
    press("Ctrl+O");
    EXPECT_EQ(fileDialogsCancelled, 1);
    EXPECT_TRUE(clock.frames().isEmpty());
    EXPECT_TRUE(prompter.notices.empty());
}

TEST_F(TransferUiTest, TheMenuResetAsksFirstAndNoSendsNothing)
{
    Start();
    ASSERT_TRUE(link.OpenPort());
    clock.clearEvents();
    prompter.answers.push_back(false);
    item("ResetSystemu2")->trigger();
    ASSERT_EQ(prompter.questions.size(), 1u);
    EXPECT_EQ(prompter.questions[0].caption, "Reset Ustawień");
    EXPECT_EQ(prompter.questions[0].text, "Czy dokonać resetu ustawień?");
    EXPECT_TRUE(clock.frames().isEmpty());
}

} // namespace
