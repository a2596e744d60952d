#include "base/LanguageStrings.h"
#include "config/ConfigBitFields.h"
#include "config/EditorMembers.h"
#include "config/ParameterEditors.h"
#include "config/ParameterItemLists.h"
#include "config/ParameterTransfer.h"
#include "config/ParameterWords.h"
#include "image/ControllerIdentity.h"
#include "image/ControllerImage.h"
#include "image/ParameterTable.h"
#include "link/CommandSet.h"
#include "link/EcuLink.h"
#include "link/LinkGate.h"
#include "link/LinkJob.h"
#include "link/ReadSequences.h"
#include "link/StepTimer.h"
#include "link/VirtualClock.h"
#include "link/WriteSequences.h"
#include "live/LiveConversions.h"
#include "sim/SimRig.h"

#include "EditorParts.h"
#include "FakeEditorScreen.h"
#include "support/ScriptedPrompter.h"
#include "support/ScriptedSerialIo.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace zantrel {
namespace {

using test::EditorParts;
using test::FramesOf;
using test::kComma;
using test::WordWrite;

class Editors : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(link.OpenPort());
        table[kIgnitionTypeWord] = 2;
        clock.clearEvents();
    }

    void type(const char* control, const char* text)
    {
        parts.screen[control].text = QString::fromUtf8(text);
        parts.screen[control].typed = true;
    }
    void choose(const char* control, int item)
    {
        parts.screen[control].item = item;
        parts.editors.Choose(QString::fromLatin1(control));
    }
    quint32 shadowField(ConfigField field) const { return ShadowField(parts.table, field); }

    VirtualClock clock;
    test::ScriptedSerialIo io{clock};
    EcuLink link{io, clock};
    EcuCommands cmds{link};
    EditorParts parts{link, clock};
    ParameterTable& table = parts.table;
    test::FakeEditorScreen& screen = parts.screen;
    ParameterEditors& editors = parts.editors;
};

enum class Event { Exit, KeyUpEnter };

// Text in, limit, conversion and the word on the wire out.
TEST_F(Editors, AnEditWritesItsWordFromItsText)
{
    struct Case {
        const char* control;
        const char* text;
        Event event;
        int word;
        int value;
        int pauseMs;
        const char* shownAfter; // what the edit holds after the write
    };
    const std::vector<Case> cases = {
        {"EditMinTempPrzel", "35", Event::Exit, 5, 35, 10, "35"},
        {"EditMinTempPrzel", "-5", Event::Exit, 5, 0xFFFB, 10, "-5"},
        {"EditRPMprzelNaLPG", "1520", Event::Exit, 14, int(RpmToPeriod(1500, 2)), 10, "1500"}, // 50 RPM steps
        {"EditWspolneCykle", " 3 ", Event::KeyUpEnter, 4, 3, 10, " 3 "},
        {"EditWzbogacanieMieszanki", "-15", Event::Exit, 1, 85, 10, "-15"},
        {"EditWzbogacanieMieszanki", "+200", Event::Exit, 1, 250, 10, "+150"},
        {"EditPrzesuniecie", "-1,50", Event::Exit, 3, 0xFEA7, 10, "-1,50"}, // trunc(-1.5 x 230.4) = -345
        {"EditPrzesuniecie", "+9", Event::KeyUpEnter, 3, 921, 10, "+4,00"}, // held to +4 ms
        {"EditParametryMaxInj", "30,4", Event::Exit, 8, 7004, 10, "30,4"},
        {"EditMinimalnyCzasWtrysku", "12", Event::Exit, 2, 2304, 10, "10,0"}, // above 10 ms becomes 10
        {"EditProcentowePodtrzymanie", "95", Event::Exit, 6, 1349, 10, "89,9"},
        {"EditProcentowePodtrzymanie", "20", Event::KeyUpEnter, 6, 300, 10, "20"},
        {"EditProcentowePodtrzymanie", "36,0", Event::Exit, 6, 540, 10, "36,0"},
        {"EditOnTimeToInjTime", "2,5", Event::Exit, 16, 2500, 10, "2,5"},
        {"EditOdswiezanieOczka", "600", Event::Exit, 34, 50000, 10, "500,0"},
        {"EditOdswiezanieOczka", "1,5", Event::KeyUpEnter, 34, 150, 10, "1,5"},
        {"EditCzasPowrotuNaBenz", "0,005", Event::KeyUpEnter, 20, 1, 10, "0,01"},
        {"EditMaxRpmQuillon", "6500", Event::Exit, 44, int(RpmToPeriod(6500, 2)), 10, "6500"},
        {"EditMultiRpmPower", "1200", Event::Exit, 40, 1000, 10, "1000"},
        {"EditSignalInj", "0", Event::Exit, 50, 0, 10, "0"},
        {"EditTempRozgrz", "0", Event::Exit, 41, 1, 20, "1"},
        {"EditCzasRozgrz", "1500", Event::KeyUpEnter, 42, 999, 20, "999"},
        {"EditInjRozgrz", "7", Event::Exit, 43, 1382, 20, "6,0"},
        {"EditInjRozgrz", "2,5", Event::Exit, 43, 576, 20, "2,5"},
    };
    for (const Case& c : cases) {
        clock.clearEvents();
        // A hidden twin runs its main control's writer, which reads the main control.
        const QString main = MainControlOf(QString::fromLatin1(c.control));
        type(main.toLatin1().constData(), c.text);
        if (c.event == Event::Exit)
            editors.Exit(QString::fromLatin1(c.control));
        else
            editors.KeyUpEnter(QString::fromLatin1(c.control));
        EXPECT_EQ(clock.trace(), WordWrite(c.word, c.value, c.pauseMs)) << c.control << " " << c.text;
        EXPECT_EQ(table.word(c.word), c.value) << c.control << " " << c.text;
        EXPECT_EQ(screen[main.toLatin1().constData()].text, QString::fromUtf8(c.shownAfter)) << c.control;
    }
    EXPECT_TRUE(parts.prompter.notices.empty());
}

TEST_F(Editors, FastClockCountsEightTimesTheTicks)
{
    table[ParameterTable::kShadow22] = 0x1000;
    type("EditOpoznienieWtryskiwaczy", "2,00");
    editors.Exit(u"EditOpoznienieWtryskiwaczy");
    EXPECT_EQ(table[13], 3686); // trunc(2 x 1843.2)

    // 200 ms is within the editor's limit but beyond what the word counts at this clock.
    type("EditParametryMaxInj", "200");
    editors.Exit(u"EditParametryMaxInj");
    EXPECT_EQ(table[8], 65535);
    EXPECT_EQ(screen["EditParametryMaxInj"].text, QStringLiteral("35,6"));
}

// A text that is no number (or not the form the field takes) is told to the user; the
// slot keeps its value and nothing is sent.
TEST_F(Editors, TextThatIsNoNumberIsReportedAndNothingIsSent)
{
    struct Case {
        const char* control;
        const char* text;
    };
    const std::vector<Case> cases = {
        {"EditCisnienieWylaczenia", "1,,5"}, {"EditCisnienieWylaczenia", "1,5,"}, {"EditCisnienieWylaczenia", "1.5"},
        {"EditCisnienieWylaczenia", ","},    {"EditPrzesuniecie", "--1"},         {"EditPrzesuniecie", "+-1"},
        {"EditPrzesuniecie", "1-"},          {"EditPrzesuniecie", "-"},           {"EditWzbogacanieMieszanki", "1,5"},
        {"EditMinTempPrzel", "--5"},         {"EditMinTempPrzel", "3 5"},         {"EditMaxRpm", "abc"},
        {"EditCzasPowrotuNaBenz", "0,,05"},  {"EditTempRozgrz", "1e3"},           {"EditMinTempPrzel", "+5"},
    };
    for (const Case& c : cases) {
        const int word = *WordOfControl(QString::fromLatin1(c.control));
        table[word] = 777;
        parts.prompter.notices.clear();
        type(c.control, c.text);
        editors.Exit(QString::fromLatin1(c.control));
        editors.KeyUpEnter(QString::fromLatin1(c.control));
        EXPECT_TRUE(clock.frames().isEmpty()) << c.control << " " << c.text;
        EXPECT_EQ(table[word], 777) << c.control << " " << c.text;
        ASSERT_EQ(parts.prompter.notices.size(), 2u) << c.control << " " << c.text;
        EXPECT_EQ(parts.prompter.notices[0].caption, QStringLiteral("Błąd"));
        EXPECT_TRUE(parts.prompter.notices[0].text.contains(QString::fromUtf8(c.text))) << c.text;
    }
}

// Per kind, the whole texts taken: every form the program writes into such an edit, and
// nothing that is two numbers, a doubled sign or an exponent.
TEST(ParameterEntry, EachKindTakesTheTextsTheProgramWritesAndNoOthers)
{
    using K = EntryKind;
    struct Case {
        K kind;
        const char* text;
        std::optional<double> value;
    };
    const std::vector<Case> cases = {
        {K::Digits, "35", 35},        {K::Digits, "-5", -5},        {K::Digits, "36,0", 36},
        {K::Digits, "40,0", 40},      {K::Digits, "+5", {}},        {K::Digits, "1,,5", {}},
        {K::Digits, "--1", {}},       {K::Digits, "1e3", {}},       {K::Digits, "36.0", {}},
        {K::SignedInt, "+15", 15},    {K::SignedInt, "-15", -15},   {K::SignedInt, "1,5", {}},
        {K::SignedInt, "+-1", {}},    {K::Decimal, "1,15", 1.15},   {K::Decimal, "2,8", 2.8},
        {K::Decimal, ",5", 0.5},      {K::Decimal, "-0,02", -0.02}, {K::Decimal, "+1,5", {}},
        {K::Decimal, "1,5,", {}},     {K::Decimal, "1e3", {}},      {K::SignedDecimal, "+4,00", 4},
        {K::SignedDecimal, "-0,04", -0.04}, {K::SignedDecimal, "--1", {}}, {K::SignedDecimal, "+-1", {}},
        {K::SignedDecimal, "1,,5", {}},     {K::SignedDecimal, "-", {}},   {K::SignedDecimal, " -1,5 ", -1.5},
    };
    for (const Case& c : cases) {
        const std::optional<double> got = ParseEntry(QString::fromUtf8(c.text), c.kind, u',');
        ASSERT_EQ(got.has_value(), c.value.has_value()) << int(c.kind) << " " << c.text;
        if (got) {
            EXPECT_DOUBLE_EQ(*got, *c.value) << c.text;
        }
    }
    // With a point locale the point is the separator, and the comma is no number.
    EXPECT_EQ(ParseEntry(QStringLiteral("36.0"), K::Digits, u'.'), 36.0);
    EXPECT_EQ(ParseEntry(QStringLiteral("36,0"), K::Digits, u'.'), std::nullopt);
}

TEST_F(Editors, AnEmptyEditWritesNothingAndAsksNothing)
{
    editors.Exit(u"EditRPMprzelNaLPG");
    editors.Exit(u"EditCisnienieWylaczenia");
    EXPECT_TRUE(clock.frames().isEmpty());
    EXPECT_TRUE(parts.prompter.notices.empty());
}

TEST_F(Editors, ADotLocaleTakesTheDotAndRefusesTheComma)
{
    EditorParts dot(link, clock, Separators{u'.', u','});
    dot.table[kIgnitionTypeWord] = 2;
    dot.screen["EditPelneOtwarcie"].text = QStringLiteral("4.00");
    dot.editors.Exit(u"EditPelneOtwarcie");
    EXPECT_EQ(dot.table[7], 921);
    dot.screen["EditPelneOtwarcie"].text = QStringLiteral("4,00");
    dot.editors.Exit(u"EditPelneOtwarcie");
    EXPECT_EQ(dot.prompter.notices.size(), 1u);
    EXPECT_EQ(dot.table[7], 921);
}

// Which events write: the member table's columns, seen on the wire.
TEST_F(Editors, OnlyTheWiredEventsWrite)
{
    struct Case {
        const char* control;
        std::function<void()> event;
        int framesSent;
    };
    type("EditOnTimeToInjTime", "3");
    type("EditMultiRpmPower", "2");
    type("EditPelneOtwarcie", "4");
    screen["ComboBoxRodzajWtrysku"].item = 2;
    screen["ComboBoxDeltaObrotow"].item = 0;
    screen["ComboBoxCNGLPG"].item = 0;
    screen["ComboBoxCewka"].item = 3;
    const std::vector<Case> cases = {
        {"EditOnTimeToInjTime KeyUp", [&] { editors.KeyUpEnter(u"EditOnTimeToInjTime"); }, 0},
        {"EditMultiRpmPower KeyUp", [&] { editors.KeyUpEnter(u"EditMultiRpmPower"); }, 0},
        {"EditPelneOtwarcie KeyUp", [&] { editors.KeyUpEnter(u"EditPelneOtwarcie"); }, 3},
        {"ComboBoxRodzajWtrysku Exit", [&] { editors.Exit(u"ComboBoxRodzajWtrysku"); }, 0},
        // Word 22, then the four timing words of "Matrix - Fast".
        {"ComboBoxRodzajWtrysku Choose", [&] { editors.Choose(u"ComboBoxRodzajWtrysku"); }, 15},
        {"ComboBoxDeltaObrotow Exit", [&] { editors.Exit(u"ComboBoxDeltaObrotow"); }, 0},
        {"ComboBoxCNGLPG Exit", [&] { editors.Exit(u"ComboBoxCNGLPG"); }, 0},
        {"ComboBoxCewka Exit", [&] { editors.Exit(u"ComboBoxCewka"); }, 3},
        {"ComboBoxAlgorytm Choose", [&] { editors.Choose(u"ComboBoxAlgorytm"); }, 0},
    };
    for (const Case& c : cases) {
        clock.clearEvents();
        c.event();
        EXPECT_EQ(clock.frames().size(), c.framesSent) << c.control;
    }
    EXPECT_EQ(shadowField(ConfigField::InjectorType), 2u);
    EXPECT_EQ(table[22], table[ParameterTable::kShadow22]);
    EXPECT_EQ(table[kIgnitionTypeWord], 3);
}

TEST_F(Editors, ListsAndFieldsStoreTheirItem)
{
    table[ParameterTable::kShadow22] = 0x0020;
    table[ParameterTable::kShadow47] = 0x0004;
    choose("ComboBoxMaxRpmQuillon", 0); // the twin's handler reads the main list
    screen["ComboBoxMaxRpm"].item = 1;
    clock.clearEvents();
    editors.Exit(u"ComboBoxMaxRpmQuillon");
    EXPECT_EQ(FramesOf(clock.trace()), FramesOf(WordWrite(22, 0x4020)));

    clock.clearEvents();
    choose("ComboBoxBuzzer", 1);
    EXPECT_EQ(clock.trace(), WordWrite(47, 0x0014));

    screen["CheckBoxLpgStart"].checked = true;
    editors.Click(u"CheckBoxLpgStart");
    EXPECT_EQ(table[54], 0x0100);

    // Nothing chosen is nothing to store.
    clock.clearEvents();
    choose("ComboBoxSondaLambda1", -1);
    EXPECT_TRUE(clock.frames().isEmpty());
    choose("ComboBoxSondaLambda1", 4);
    EXPECT_EQ(table[55], 4);

    clock.clearEvents();
    choose("EditCzasWtryskuPrzyObciazeniu", 2);
    EXPECT_EQ(clock.trace(), WordWrite(45, 691)); // 3.0 ms
}

// The speeds are periods of the ignition type: a new type writes them again.
TEST_F(Editors, ANewIgnitionTypeConvertsTheSpeedsAgain)
{
    type("EditRPMprzelNaLPG", "1500");
    type("EditMaxRpm", "6500");
    choose("ComboBoxCewka", 1); // "DIS" after "4 Cyl."
    const QStringList frames = clock.frames();
    ASSERT_EQ(frames.size(), 9);
    EXPECT_EQ(frames.at(0), QStringLiteral("K 15 00 00"));
    EXPECT_EQ(frames.at(3), QStringLiteral("K 0e 00 00"));
    EXPECT_EQ(frames.at(6), QStringLiteral("K 2c 00 00"));
    EXPECT_NEAR(table[14], 2 * qint32(RpmToPeriod(1500, 2)), 1);
    EXPECT_NEAR(table[44], 2 * qint32(RpmToPeriod(6500, 2)), 1);

    // With the map's speed points to rewrite, they go out between word 21 and words 14
    // and 44 (a write of word 0 stands in for them here).
    editors.OnIgnitionTypeWritten([this](std::function<void()> then) {
        LinkJob points;
        WriteParameter(points, 0, 1, ParameterTransfer::kEditorPauseMs);
        return parts.gate.Start(std::move(points), nullptr, [then](JobOutcome outcome) {
            if (outcome == JobOutcome::Completed)
                then();
        });
    });
    clock.clearEvents();
    choose("ComboBoxCewka", 2);
    const QStringList ordered = clock.frames();
    ASSERT_EQ(ordered.size(), 12);
    EXPECT_EQ(ordered.at(0), QStringLiteral("K 15 00 00"));
    EXPECT_EQ(ordered.at(3), QStringLiteral("K 00 00 00"));
    EXPECT_EQ(ordered.at(6), QStringLiteral("K 0e 00 00"));
    EXPECT_EQ(ordered.at(9), QStringLiteral("K 2c 00 00"));
}

TEST_F(Editors, ReturnPressureTakesTheWarningPressureAlong)
{
    type("EditCisnienieWylaczenia", "1,50");
    editors.Exit(u"EditCisnienieWylaczenia");
    EXPECT_EQ(screen["EditCisnienieBeep"].text, QStringLiteral("1,55"));
    // trunc((1.50 x 1.3438 - 0.202) x 819.67) = 1486, and 1541 for 1.55 bar.
    EXPECT_EQ(clock.trace(), WordWrite(18, 1486) + WordWrite(24, 1541));

    clock.clearEvents();
    type("EditCisnienieBeep", "1,20");
    editors.Exit(u"EditCisnienieBeep");
    EXPECT_EQ(screen["EditCisnienieWylaczenia"].text, QStringLiteral("1,15"));
    EXPECT_EQ(FramesOf(clock.trace()).size(), 6);
    EXPECT_EQ(table[24], 1156);
    EXPECT_EQ(table[18], 1101);

    // Enter writes its own word only.
    clock.clearEvents();
    type("EditCisnienieWylaczenia", "1,15");
    editors.KeyUpEnter(u"EditCisnienieWylaczenia");
    EXPECT_EQ(clock.trace(), WordWrite(18, 1101));

    // Under 0.05 bar the return pressure is put below zero; its limit holds both at 0.4.
    type("EditCisnienieBeep", "0,03");
    editors.Exit(u"EditCisnienieBeep");
    EXPECT_TRUE(parts.prompter.notices.empty());
    EXPECT_EQ(screen["EditCisnienieBeep"].text, QStringLiteral("0,40"));
    EXPECT_EQ(screen["EditCisnienieWylaczenia"].text, QStringLiteral("0,40"));
    EXPECT_EQ(table[18], table[24]);
}

TEST_F(Editors, AShortReturnDelayBecomesATenthOfASecond)
{
    type("EditCzasPowrotuNaBenz", "0,05");
    editors.Exit(u"EditCzasPowrotuNaBenz");
    EXPECT_EQ(screen["EditCzasPowrotuNaBenz"].text, QStringLiteral("0,1"));
    EXPECT_EQ(screen["EditCzasPowrotuNaBenzQuillon"].text, QStringLiteral("0,1"));
    EXPECT_EQ(clock.trace(), WordWrite(20, 10));

    EditorParts dot(link, clock, Separators{u'.', u','});
    dot.screen["EditCzasPowrotuNaBenz"].text = QStringLiteral("0.02");
    dot.editors.Exit(u"EditCzasPowrotuNaBenz");
    EXPECT_EQ(dot.screen["EditCzasPowrotuNaBenz"].text, QStringLiteral("0.1"));
    EXPECT_EQ(dot.table[20], 10);
}

// Word 53 is written without a leading pause and ends with 20 ms.
TEST_F(Editors, FallingModeStoresThePeriodGrowthOfTheDrop)
{
    struct Case {
        const char* rpm;
        int modeItem;
        qint32 word53;
        int deltaItem;
    };
    const qint32 drop300 = qint32(RpmToPeriod(1200, 2) - RpmToPeriod(1500, 2));
    ASSERT_GT(drop300, 0);
    for (const Case c : {Case{"1500", 1, drop300, 3}, Case{"400", 1, 0, 3}, Case{"1500", 0, 0, -1}}) {
        clock.clearEvents();
        table[kFallingDeltaWord] = 1234;
        type("EditRPMprzelNaLPG", c.rpm);
        choose("ComboBoxDeltaObrotow", c.modeItem);
        EXPECT_EQ(table[kFallingDeltaWord], c.word53) << c.rpm << " " << c.modeItem;
        EXPECT_EQ(screen["ComboBoxDeltaRpm"].item, c.deltaItem);
        EXPECT_EQ(screen["ComboBoxDeltaRpm"].enabled, c.modeItem == 1);
        EXPECT_EQ(screen["LabelDeltaRpm"].enabled, c.modeItem == 1);
        QStringList expected = WordWrite(kFallingDeltaWord, c.word53, 0);
        expected << QStringLiteral("20ms");
        EXPECT_EQ(clock.trace(), expected) << c.rpm;
    }

    type("EditRPMprzelNaLPG", "1500");
    choose("ComboBoxDeltaRpm", 5);
    EXPECT_EQ(table[kFallingDeltaWord], qint32(RpmToPeriod(1000, 2) - RpmToPeriod(1500, 2)));
    choose("ComboBoxDeltaRpm", 0);
    EXPECT_EQ(table[kFallingDeltaWord], 0);
}

TEST_F(Editors, ReserveSensorPresetsSetTheThresholdsOfTheFuel)
{
    table[30] = 1;
    table[ParameterTable::kShadow22] = 0x0020;
    choose("ComboBoxSzkielkoRezerwy", 1); // "90R"
    EXPECT_EQ(FramesOf(clock.trace()), FramesOf(WordWrite(22, 0x0520) + WordWrite(30, 70) + WordWrite(31, 120)
                                                + WordWrite(32, 230) + WordWrite(33, 300)));
    EXPECT_EQ(screen["EditSzkloR"].text, QStringLiteral("0,09"));
    EXPECT_EQ(screen["EditRez34"].text, QStringLiteral("0,37"));
    EXPECT_FALSE(screen["ButtonSzkielkoDefiniuj"].shown);

    // The own definition keeps the thresholds and offers its dialog.
    choose("ComboBoxSzkielkoRezerwy", 3);
    EXPECT_EQ(table[30], 70);
    EXPECT_EQ(shadowField(ConfigField::ReserveSensor), 3u);
    EXPECT_EQ(shadowField(ConfigField::ReserveDirection), 1u);
    EXPECT_TRUE(screen["ButtonSzkielkoDefiniuj"].shown);

    // CNG brings its own two sensors.
    clock.clearEvents();
    choose("ComboBoxCNGLPG", 1);
    EXPECT_EQ(clock.trace(), WordWrite(47, 0x8000));
    EXPECT_EQ(screen["ComboBoxSzkielkoRezerwy"].items, (QStringList{"Wlasna Definicja", "AEB806"}));
    EXPECT_EQ(screen["ComboBoxSzkielkoRezerwy"].item, 0);
    EXPECT_TRUE(screen["ButtonSzkielkoDefiniuj"].shown);
    choose("ComboBoxSzkielkoRezerwy", 1);
    EXPECT_EQ(table[33], 3767);
    EXPECT_EQ(shadowField(ConfigField::ReserveDirection), 0u);
    EXPECT_FALSE(screen["ButtonSzkielkoDefiniuj"].shown);
}

TEST_F(Editors, HeatingStrengthWritesItsPresets)
{
    // The heating group's list goes through its edits' texts.
    choose("ComboBoxSilaRozgrzewaniaWtryskuTervo", 3);
    EXPECT_EQ(screen["EditCzasRozgrz"].text, QStringLiteral("250"));
    EXPECT_EQ(screen["EditInjRozgrz"].text, QStringLiteral("4,0"));
    QStringList expected = WordWrite(57, 3) + QStringList{"40ms"} + WordWrite(43, 921, 0) + WordWrite(42, 250, 20);
    EXPECT_EQ(clock.trace(), expected);

    // The older list stores its raw numbers.
    choose("ComboBoxSilaRozgrzewaniaWtrysku", 1);
    EXPECT_EQ(table[43], 300);
    EXPECT_EQ(table[42], 30);

    choose("ComboBoxRozgrzewanieWtryskiwaczaTervo", 1);
    EXPECT_TRUE(screen["ComboBoxSilaRozgrzewaniaWtryskuTervo"].enabled);
    EXPECT_EQ(shadowField(ConfigField::InjectorHeating), 1u);
    choose("ComboBoxRozgrzewanieWtryskiwacza", 0);
    EXPECT_FALSE(screen["ComboBoxSilaRozgrzewaniaWtrysku"].enabled);
    EXPECT_FALSE(screen["LabelSilaRozgrzewaniaWtrysku"].enabled);
    EXPECT_EQ(shadowField(ConfigField::InjectorHeating), 0u);
}

TEST_F(Editors, TemperatureCutoffsAndTurbo)
{
    choose("ComboBoxMrozGaz", 5); // "-4 °C"
    EXPECT_EQ(table[49], -4);
    EXPECT_EQ(shadowField(ConfigField::ColdGasCutoff), 1u);
    EXPECT_EQ(table[47], table[ParameterTable::kShadow47]);
    choose("ComboBoxMrozRed", 1); // "+10 °C"
    EXPECT_EQ(table[48], 10);
    choose("ComboBoxMrozGaz", 0);
    EXPECT_EQ(table[49], -20);
    EXPECT_EQ(shadowField(ConfigField::ColdGasCutoff), 0u);

    table[12] = 140;
    choose("ComboBoxTURBO", 1);
    EXPECT_TRUE(screen["ButtonTURBO"].shown);
    EXPECT_EQ(table[12], 140);
    clock.clearEvents();
    choose("ComboBoxTURBO", 0);
    EXPECT_FALSE(screen["ButtonTURBO"].shown);
    EXPECT_EQ(FramesOf(clock.trace()), FramesOf(WordWrite(47, 0x0001) + WordWrite(12, 100)));
}

TEST_F(Editors, EnteringAControlShowsItsDescriptionOnItsTab)
{
    EXPECT_FALSE(editors.DescriptionShown(EditorTab::Parameters));
    editors.Enter(u"EditMaxRpmQuillon");
    EXPECT_EQ(screen["MemoOpisParametru"].text,
              QStringLiteral("Próg obrotów dla funkcji maksymalne obroty silnika  [obr/min]"));
    EXPECT_TRUE(editors.DescriptionShown(EditorTab::Parameters));
    EXPECT_FALSE(editors.DescriptionShown(EditorTab::Advanced));
    editors.Enter(u"ComboBoxSilaRozgrzewaniaWtryskuTervo");
    EXPECT_TRUE(screen["MemoOpisZaawansowanych"].text.startsWith(QStringLiteral("Wybór natężenia")));
    screen["MemoOpisZaawansowanych"].text.clear();
    editors.Enter(u"CheckBoxLpgStart");
    EXPECT_TRUE(screen["MemoOpisZaawansowanych"].text.isEmpty());
}

TEST_F(Editors, KeysFilterAndMoveTheFocus)
{
    EXPECT_EQ(editors.FilterKey(u"EditMinTempPrzel", u'a'), std::nullopt);
    EXPECT_EQ(editors.FilterKey(u"EditCisnienieWylaczenia", u'.'), QChar(u','));
    EXPECT_EQ(editors.FilterKey(u"EditPrzesuniecie", u'-'), QChar(u'-'));
    EXPECT_EQ(editors.FilterKey(u"EditWzbogacanieMieszanki", u','), std::nullopt);

    EXPECT_EQ(editors.KeyDown(u"EditMinTempPrzel", Qt::Key_Return).step, FieldMove::Next);
    EXPECT_EQ(editors.KeyDown(u"EditMinTempPrzel", Qt::Key_PageUp).step, FieldMove::Previous);
    EXPECT_EQ(editors.KeyDown(u"EditPelneOtwarcie", Qt::Key_Return).step, FieldMove::None);
    EXPECT_EQ(editors.KeyDown(u"ComboBoxCewka", Qt::Key_Enter).step, FieldMove::Next);
    EXPECT_EQ(editors.KeyDown(u"ComboBoxCewka", Qt::Key_PageDown).step, FieldMove::None);
    const FocusMove jump = editors.KeyDown(u"ComboBoxSondaLambda2", Qt::Key_Return);
    EXPECT_STREQ(jump.control, "ComboBoxPodcisnienieReduktora");
    EXPECT_EQ(jump.tab, TabId::TabSheet4);
    EXPECT_EQ(editors.KeyDown(u"EditSignalInj", Qt::Key_Return).tab, TabId::TabSheet3);
    EXPECT_EQ(editors.KeyDown(u"EditSignalInj", Qt::Key_PageDown).step, FieldMove::Next);

    type("EditInjRozgrz", "3");
    EXPECT_STREQ(editors.KeyUpEnter(u"EditInjRozgrz").control, "EditTempRozgrz");
    clock.clearEvents();
    EXPECT_STREQ(editors.KeyUpEnter(u"EditInjRozgrz").control, "EditTempRozgrz") << "written: Enter goes on";
    EXPECT_TRUE(clock.frames().isEmpty());
    type("EditInjRozgrz", "3,,");
    EXPECT_EQ(editors.KeyUpEnter(u"EditInjRozgrz").control, nullptr) << "a failed write stays";
}

// ---- the table-to-screen refresh ----

TEST_F(Editors, RefreshShowsTheTable)
{
    table[1] = 85;
    table[3] = -10;
    table[14] = qint32(RpmToPeriod(1500, 2));
    table[18] = 1100;
    table[22] = 0x2110; // injector type 1, reserve sensor 1, heating
    table[ParameterTable::kShadow22] = table[22];
    table[45] = 921; // 4.0 ms
    table[47] = 0x4001;
    table[48] = 5;
    table[51] = 0x05;
    table[53] = qint32(RpmToPeriod(1200, 2) - RpmToPeriod(1500, 2));
    table[54] = 0x0101;
    table[57] = 2;
    table[58] = 1;
    parts.editors.Refresh(false, parts.identity);

    EXPECT_TRUE(clock.frames().isEmpty()) << "without a read nothing is written";
    struct Shown {
        const char* control;
        const char* text;
    };
    for (const Shown s : {Shown{"EditStatus", "Param."}, Shown{"EditWzbogacanieMieszanki", "-15"},
                          Shown{"EditPrzesuniecie", "-0,04"}, Shown{"EditRPMprzelNaLPG", "1500"},
                          Shown{"EditCisnienieWylaczenia", "1,15"}, Shown{"EditCisnienieWylaczeniaQuillon", "1,15"}})
        EXPECT_EQ(screen[s.control].text, QString::fromUtf8(s.text)) << s.control;
    struct Chosen {
        const char* control;
        int item;
    };
    for (const Chosen c : {Chosen{"ComboBoxRodzajWtrysku", 1}, Chosen{"ComboBoxCewka", 2},
                           Chosen{"ComboBoxPodcisnienieReduktora", 1}, Chosen{"EditCzasWtryskuPrzyObciazeniu", 1},
                           Chosen{"ComboBoxMrozRed", 6}, Chosen{"ComboBoxMrozGaz", 0}, Chosen{"ComboBoxTURBO", 1},
                           Chosen{"ComboBoxTURBOQuillon", 1}, Chosen{"ComboBoxSzkielkoRezerwy", 1},
                           Chosen{"ComboBoxDeltaObrotow", 1}, Chosen{"ComboBoxDeltaRpm", 3},
                           Chosen{"ComboBoxSilaRozgrzewaniaWtryskuTervo", 2}, Chosen{"ComboBoxMocnoZaawansowane", 1},
                           Chosen{"ComboBoxSpuscPsys", 1}, Chosen{"ComboBoxRozgrzewanieWtryskiwaczaTervo", 1}})
        EXPECT_EQ(screen[c.control].item, c.item) << c.control;
    EXPECT_TRUE(screen["ButtonRodzajWtryskiwaczy"].shown);
    EXPECT_TRUE(screen["ButtonTURBO"].shown);
    EXPECT_FALSE(screen["ButtonSzkielkoDefiniuj"].shown);
    EXPECT_TRUE(screen["ComboBoxDeltaRpm"].enabled);
    EXPECT_TRUE(screen["ComboBoxSilaRozgrzewaniaWtryskuTervo"].enabled);
    EXPECT_TRUE(screen["CheckBox1"].checked);
    EXPECT_FALSE(screen["CheckBox2"].checked);
    EXPECT_TRUE(screen["CheckBoxLpgStart"].checked);
    EXPECT_TRUE(screen["ComboBoxRodzajCzTemp"].shown);
    EXPECT_TRUE(parts.screen.hiddenTabs.count(TabId::TabSheet7));
    EXPECT_EQ(table[ParameterTable::kShadow47], 0x4005) << "map kind 1 set in the shadow";

    EXPECT_FALSE(parts.screen.hiddenTabs.count(TabId::TabSheet11)) << "the low-RPM filter's tab";

    // An old controller: no sensor kind, no low-RPM filter, and no empty tab for it.
    parts.editors.Refresh(false, ControllerIdentity{0x41, 20});
    EXPECT_FALSE(screen["ComboBoxRodzajCzTemp"].shown);
    EXPECT_FALSE(screen["GroupBoxFiltrLowRpm"].shown);
    EXPECT_TRUE(parts.screen.hiddenTabs.count(TabId::TabSheet11));

    // A controller with the filter, while its controls do not exist: the tab stays hidden.
    screen.absent.insert("GroupBoxFiltrLowRpm");
    parts.editors.Refresh(false, ControllerIdentity{0x43, 40});
    EXPECT_TRUE(parts.screen.hiddenTabs.count(TabId::TabSheet11));
}

} // namespace
} // namespace zantrel
