#include "FakeEditorScreen.h"

#include "base/LanguageStrings.h"
#include "config/ConfigBitFields.h"
#include "config/TemperatureMap.h"
#include "config/TemperatureMapEditor.h"
#include "image/ControllerImage.h"
#include "image/ParameterWordIndex.h"
#include "link/LinkGate.h"
#include "link/LinkJob.h"
#include "link/ReadSequences.h"
#include "link/StepTimer.h"
#include "link/WriteSequences.h"
#include "sim/SimRig.h"

#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace zantrel {
namespace {

TEST(TemperatureMapTexts, LeavingAnEditAppliesItsLimits)
{
    struct Case {
        const char* typed;
        const char* shown;
        bool refused;
    };
    const Case corrections[] = {
        {"2-", "0", true}, {"1+5", "0", true}, {"+60", "+50", false}, {"-30", "-25", false},
        {"7", "7", false}, {"-25", "-25", false}, {"50", "50", false}, {"x", "x", false},
    };
    for (const Case& c : corrections) {
        const CorrectionExit exit = CorrectionTextOnExit(QString::fromLatin1(c.typed));
        EXPECT_EQ(exit.text, QString::fromLatin1(c.shown)) << c.typed;
        EXPECT_EQ(exit.refused, c.refused) << c.typed;
    }
    const std::pair<const char*, const char*> points[] = {
        {"0", "1"}, {"-4", "1"}, {"1", "1"}, {"90", "90"}, {"91", "90"}, {"45", "45"}, {"", ""}};
    for (const auto& [typed, shown] : points)
        EXPECT_EQ(PointTextOnExit(QString::fromLatin1(typed)), QString::fromLatin1(shown)) << typed;
}

TEST(TemperatureMapTexts, SavingChecksEveryEditAndHoldsTheValues)
{
    TemperatureTexts typed{{"-3", "15", "120", "40", "50"}, {"-15", "-70", "0", "150", "7", "+8"}};
    const TemperatureEntry entry = CheckTemperatureTexts(typed);
    ASSERT_TRUE(entry.table);
    EXPECT_EQ(entry.table->points, (std::array<quint8, 5>{0, 15, 100, 40, 50}));
    EXPECT_EQ(entry.table->corrections, (std::array<quint8, 6>{85, 50, 100, 200, 107, 108}));
    EXPECT_EQ(entry.shown.points, (std::array<QString, 5>{"0", "15", "100", "40", "50"}));
    EXPECT_EQ(entry.shown.corrections, (std::array<QString, 6>{"-15", "-50", "0", "100", "7", "+8"}));

    // Any edit that is no whole number stops the whole save, points and enrichments alike.
    struct Bad {
        bool point;
        size_t index;
        const char* text;
        const char* edit;
    };
    const Bad bad[] = {{true, 3, "1,5", "EditT4"}, {false, 0, "abc", "EditT1K"}, {false, 5, "", "EditT6K"}};
    for (const Bad& b : bad) {
        TemperatureTexts texts = typed;
        (b.point ? texts.points[b.index] : texts.corrections[b.index]) = QString::fromLatin1(b.text);
        const TemperatureEntry refused = CheckTemperatureTexts(texts);
        EXPECT_FALSE(refused.table) << b.edit;
        EXPECT_STREQ(refused.badEdit, b.edit);
    }
}

TEST(TemperatureMapTexts, FuelPresetsAndResetValues)
{
    EXPECT_EQ(FuelTemperaturePreset(0).points, (std::array<quint8, 5>{0, 15, 30, 40, 50}));
    EXPECT_EQ(FuelTemperaturePreset(1).points, (std::array<quint8, 5>{5, 10, 20, 30, 45}));
    for (quint32 fuel : {0u, 1u})
        EXPECT_EQ(FuelTemperaturePreset(fuel).corrections, (std::array<quint8, 6>{100, 100, 100, 100, 100, 100}));

    EXPECT_EQ(TemperatureResetTexts(0),
              (TemperatureTexts{{"5", "10", "20", "30", "45"}, {"0", "0", "0", "0", "0", "0"}}));
    EXPECT_EQ(TemperatureResetTexts(1),
              (TemperatureTexts{{"0", "15", "30", "40", "50"}, {"-15", "-10", "-6", "-4", "-2", "0"}}));
    EXPECT_EQ(TextsOf(FuelTemperaturePreset(0)),
              (TemperatureTexts{{"0", "15", "30", "40", "50"}, {"0", "0", "0", "0", "0", "0"}}));
}

// ---- the editor against the simulated controller ----

using sim::test::SimRig;

struct EditorRig {
    explicit EditorRig(const sim::LineOptions& line = {})
        : sim({}, line)
    {
        screen[TemperatureMapEditor::kSwitch].items = {QStringLiteral("Brak"), QStringLiteral("Aktywne")};
    }

    // Word 47 as a read-all left it.
    void word47Read(quint16 value)
    {
        image.Parameters().StoreReceived(kFlagsBWord, value);
        image.Parameters()[ParameterTable::kShadow47] = value;
    }
    void type(const TemperatureTexts& texts)
    {
        for (size_t k = 0; k < texts.points.size(); ++k)
            screen[kTempPointEdits[k]].text = texts.points[k];
        for (size_t k = 0; k < texts.corrections.size(); ++k)
            screen[kTempCorrectionEdits[k]].text = texts.corrections[k];
    }
    QString shown(const char* edit) { return screen[edit].text; }

    SimRig sim;
    PauseStepTimer timer{sim.clock};
    LinkGate gate{sim.link, timer};
    ControllerImage image;
    test::FakeEditorScreen screen;
    test::ScriptedPrompter prompter;
    LanguageStrings texts;
    TemperatureMapEditor editor{image, gate, screen, prompter, texts};
};

QString Hex(int v) { return QStringLiteral("%1").arg(v & 0xFF, 2, 16, QLatin1Char('0')); }

// One table entry as it goes out: the direct write, then its second-bank store.
QStringList EntryTrace(char command, int k, int place, int value)
{
    return {QStringLiteral("%1 %2 %2 %3").arg(QChar(command)).arg(Hex(k), Hex(value)),
            QStringLiteral("10ms"),
            QStringLiteral("4 %1 00 00").arg(Hex(place)),
            QStringLiteral("30ms"),
            QStringLiteral("7 %1 00 %2").arg(Hex(place), Hex(value)),
            QStringLiteral("10ms")};
}

TEST(TemperatureMapEditor, SaveWritesTheSwitchThenEveryEntryAndTheControllerKeepsThem)
{
    EditorRig rig;
    rig.word47Read(0x0003);
    rig.type({{"0", "15", "30", "40", "150"}, {"-15", "-10", "-6", "-4", "-2", "0"}});
    rig.screen[TemperatureMapEditor::kSwitch].item = 1;
    rig.sim.clock.setRecording(true);
    ASSERT_TRUE(rig.editor.Save());

    QStringList expected{"10ms", "K 2f 00 00", "30ms", "E 2f 00 43", "20ms", "D 2f 00 43"};
    const int percents[] = {-15, -10, -6, -4, -2, 0};
    for (int k = 0; k < 6; ++k)
        expected << EntryTrace('^', k, 21 + k, percents[k] + 100);
    const int points[] = {0, 15, 30, 40, 100};
    for (int k = 0; k < 5; ++k)
        expected << EntryTrace('%', k, 16 + k, points[k]);
    // Pauses that meet merge in the trace.
    for (int i = int(expected.size()) - 1; i > 0; --i) {
        if (expected[i].endsWith(u"ms") && expected[i - 1].endsWith(u"ms")) {
            expected[i - 1] = QStringLiteral("%1ms").arg(expected[i - 1].chopped(2).toInt() + expected[i].chopped(2).toInt());
            expected.removeAt(i);
        }
    }
    EXPECT_EQ(rig.sim.clock.trace(), expected);
    EXPECT_EQ(rig.shown("EditT5"), "100") << "the held value is shown";
    EXPECT_EQ(rig.image.Temperatures().corrections[0], 85);

    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(ReadTempCorrection(rig.sim.cmds, quint8(k)), quint8(percents[k] + 100)) << k;
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(ReadTempBreakpoint(rig.sim.cmds, quint8(k)), quint8(points[k])) << k;
    EXPECT_EQ(ReadParameterWord(rig.sim.cmds, kFlagsBWord), quint16(0x0043));
}

TEST(TemperatureMapEditor, AnEditThatIsNoNumberStopsTheSaveBeforeAnythingIsSent)
{
    EditorRig rig;
    rig.word47Read(0);
    rig.type({{"1", "6", "11", "x", "21"}, {"5", "5", "5", "5", "5", "5"}});
    const TemperatureTable before = rig.image.Temperatures();
    rig.sim.clock.setRecording(true);
    EXPECT_FALSE(rig.editor.Save());
    EXPECT_TRUE(rig.sim.clock.frames().isEmpty());
    ASSERT_EQ(rig.prompter.notices.size(), 1u);
    EXPECT_TRUE(rig.prompter.notices[0].text.contains(u"\"x\""));
    EXPECT_EQ(rig.image.Temperatures(), before);
    EXPECT_EQ(rig.shown("EditT1K"), "5");
}

TEST(TemperatureMapEditor, WithoutWord47ReadOnlyTheTableGoesOut)
{
    EditorRig rig;
    rig.type({{"1", "6", "11", "16", "21"}, {"0", "0", "0", "0", "0", "0"}});
    rig.screen[TemperatureMapEditor::kSwitch].item = 1;
    rig.sim.clock.setRecording(true);
    ASSERT_TRUE(rig.editor.Save());
    const QStringList frames = rig.sim.clock.frames();
    EXPECT_EQ(frames.size(), 11 * 3);
    EXPECT_FALSE(frames.join(u' ').contains(u"K 2f"));
    EXPECT_EQ(rig.screen[TemperatureMapEditor::kStatus].text, rig.texts[Text::TemperatureSwitchNotWritten]);
}

TEST(TemperatureMapEditor, ReadShowsTheTableAndAMissingReplyKeepsTheOldEntry)
{
    EditorRig full;
    full.word47Read(0x0040);
    RunSequence(full.sim.cmds, [](LinkJob& job) {
        WriteTempBreakpointSequence(job, 2, 33);
        WriteTempCorrectionSequence(job, 5, 60);
    });
    ASSERT_TRUE(full.editor.Read());
    EXPECT_EQ(full.screen[TemperatureMapEditor::kSwitch].item, 1);
    EXPECT_EQ(full.shown("EditT3"), "33");
    EXPECT_EQ(full.shown("EditT6K"), "-40");
    EXPECT_EQ(full.shown("EditT1"), "1");
    EXPECT_TRUE(full.screen[TemperatureMapEditor::kStatus].text.isEmpty());

    // Every second reply lost: those entries keep the fuel preset, and the tab says so.
    EditorRig lossy(sim::test::Line([](auto& o) { o.faults = {{sim::FaultMode::NoReply, 0.5}}; }));
    lossy.editor.LoadFuelPreset(0);
    lossy.image.Temperatures().corrections.fill(77);
    ASSERT_TRUE(lossy.editor.Read());
    const TemperatureTable& table = lossy.image.Temperatures();
    EXPECT_EQ(table.points, (std::array<quint8, 5>{1, 15, 11, 40, 21}));
    EXPECT_EQ(table.corrections, (std::array<quint8, 6>{77, 100, 77, 100, 77, 100}));
    EXPECT_EQ(lossy.shown("EditT2"), "15");
    EXPECT_EQ(lossy.screen[TemperatureMapEditor::kStatus].text, lossy.texts[Text::TemperatureTableNotRead]);
}

TEST(TemperatureMapEditor, ResetSavesTheValuesOfTheChosenFuel)
{
    const std::pair<quint16, TemperatureTable> cases[] = {
        {0x0000, {{5, 10, 20, 30, 45}, {100, 100, 100, 100, 100, 100}}},
        {0x8000, {{0, 15, 30, 40, 50}, {85, 90, 94, 96, 98, 100}}},
    };
    for (const auto& [word47, expected] : cases) {
        EditorRig rig;
        rig.word47Read(word47);
        ASSERT_TRUE(rig.editor.Reset());
        EXPECT_EQ(rig.image.Temperatures(), expected) << word47;
        for (int k = 0; k < 5; ++k)
            EXPECT_EQ(ReadTempBreakpoint(rig.sim.cmds, quint8(k)), expected.points[size_t(k)]) << k;
        EXPECT_EQ(rig.shown("EditT1K"), word47 ? "-15" : "0");
    }
}

} // namespace
} // namespace zantrel
