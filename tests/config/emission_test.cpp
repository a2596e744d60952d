#include "FakeEditorScreen.h"

#include "base/LanguageStrings.h"
#include "config/ConfigBitFields.h"
#include "config/EmissionConversions.h"
#include "config/EmissionDefaults.h"
#include "config/EmissionEditor.h"
#include "config/ParameterConversions.h"
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

constexpr int kIgnition = 2;

ParameterTable SlowClockTable()
{
    ParameterTable table;
    table[kIgnitionTypeWord] = kIgnition;
    return table;
}

TEST(EmissionConversions, EachWordByItsUnit)
{
    const ParameterTable table = SlowClockTable();
    struct Case {
        int index;
        const char* typed;
        std::optional<quint16> word;
        const char* shown; // the word shown back
    };
    const Case cases[] = {
        {0, "0,75", 614, "0,75"},
        {1, "0,4", 327, "0,40"},
        {0, "5", 4096, "5,00"},
        {0, "0.75", std::nullopt, ""}, // the other separator is not this locale's
        {2, "10100", 10100, "10100"},
        {3, "70000", 65535, "65535"},
        {4, "x", std::nullopt, ""},
        {8, "2", TicksWord(2.0f, false), "2,0"},
        {9, "12,0", TicksWord(12.0f, false), "12,0"},
        {10, "2000", PeriodWord(2000, kIgnition), "2000"},
        {11, "5000", PeriodWord(5000, kIgnition), "5000"},
        {11, "", std::nullopt, ""},
        {10, "-2000", std::nullopt, ""},
    };
    for (const Case& c : cases) {
        const std::optional<quint16> word = EmissionWord(c.index, QString::fromLatin1(c.typed), table, u',');
        EXPECT_EQ(word, c.word) << c.index << " " << c.typed;
        if (word) {
            EXPECT_EQ(EmissionText(c.index, *word, table, u','), QString::fromLatin1(c.shown)) << c.typed;
        }
    }
}

TEST(EmissionConversions, SwitchItemsStoreTheirBitAndTheEmptyItemStoresZero)
{
    const std::pair<int, quint32> items[] = {{0, 0}, {1, 1}, {2, 0}, {-1, 0}};
    for (const auto& [item, value] : items)
        EXPECT_EQ(EmissionSwitchValue(item), value) << item;
    const int bits[] = {7, 8, 9, 10, 11};
    ASSERT_EQ(EmissionSwitches().size(), std::size(bits));
    for (size_t i = 0; i < std::size(bits); ++i) {
        const BitField& f = FieldOf(EmissionSwitches()[i].field);
        EXPECT_EQ(f.word, kFlagsBWord);
        EXPECT_EQ(f.firstBit, bits[i]);
    }
}

// ---- the editor against the simulated controller ----

using sim::test::SimRig;

struct EmissionRig {
    explicit EmissionRig(const sim::LineOptions& line = {})
        : sim({}, line)
    {
        image.Parameters() = SlowClockTable();
        for (const EmissionSwitch& s : EmissionSwitches())
            screen[s.control].items = {QStringLiteral("OFF"), QStringLiteral("ON"), QString()};
        screen[TemperatureMapEditor::kSwitch].items = {QStringLiteral("Brak"), QStringLiteral("Aktywne")};
    }

    void word47Read(quint16 value)
    {
        image.Parameters().StoreReceived(kFlagsBWord, value);
        image.Parameters()[ParameterTable::kShadow47] = value;
    }
    void type(const std::array<const char*, kEmissionWords>& texts)
    {
        for (int i = 0; i < kEmissionWords; ++i)
            screen[EmissionRows()[size_t(i)].edit].text = QString::fromLatin1(texts[size_t(i)]);
    }
    void choose(const std::array<int, 5>& items)
    {
        for (size_t i = 0; i < items.size(); ++i)
            screen[EmissionSwitches()[i].control].item = items[i];
    }
    EmissionBlock controllerBlock()
    {
        EmissionBlock block{};
        for (int i = 0; i < kEmissionWords; ++i)
            block[size_t(i)] = ReadEmissionWord(sim.cmds, quint8(i)).value_or(0xDEAD);
        return block;
    }

    SimRig sim;
    PauseStepTimer timer{sim.clock};
    LinkGate gate{sim.link, timer};
    ControllerImage image;
    test::FakeEditorScreen screen;
    test::ScriptedPrompter prompter;
    LanguageStrings texts;
    EmissionEditor editor{image, gate, screen, prompter, texts, u','};
};

constexpr std::array<const char*, kEmissionWords> kTyped{"0,8", "0,3", "10300", "9900", "150", "120",
                                                         "90",  "80",  "2,5",   "11",   "1500", "6000"};

EmissionBlock TypedBlock()
{
    return {655, 245, 10300, 9900, 150, 120, 90, 80, TicksWord(2.5f, false), TicksWord(11.0f, false),
            PeriodWord(1500, kIgnition), PeriodWord(6000, kIgnition)};
}

TEST(EmissionEditor, SaveWritesTheBlockThenWord47WithTheFiveSwitches)
{
    EmissionRig rig;
    rig.word47Read(0x0F41); // bits 0, 6, 8..11 set
    rig.type(kTyped);
    rig.choose({1, 0, 1, 2, 1}); // the empty item of the load limit stores 0
    rig.sim.clock.setRecording(true);
    ASSERT_TRUE(rig.editor.Save());

    const EmissionBlock block = TypedBlock();
    QStringList expected;
    for (int i = 0; i < kEmissionWords; ++i) {
        const QString hi = QStringLiteral("%1").arg(block[size_t(i)] >> 8, 2, 16, QLatin1Char('0'));
        const QString lo = QStringLiteral("%1").arg(block[size_t(i)] & 0xFF, 2, 16, QLatin1Char('0'));
        const QString place = QStringLiteral("%1").arg(27 + i, 2, 16, QLatin1Char('0'));
        expected << QStringLiteral("Q %1 %2 %3").arg(i, 2, 16, QLatin1Char('0')).arg(hi, lo)
                 << QStringLiteral("4 %1 00 00").arg(place) << QStringLiteral("7 %1 %2 %3").arg(place, hi, lo);
    }
    expected << "K 2f 00 00" << "E 2f 0a c1" << "D 2f 0a c1";
    EXPECT_EQ(rig.sim.clock.frames(), expected);
    EXPECT_EQ(rig.controllerBlock(), block);
    EXPECT_EQ(ReadParameterWord(rig.sim.cmds, kFlagsBWord), quint16(0x0AC1));
    EXPECT_EQ(rig.screen["EditLambdaGora"].text, "0,80");
}

TEST(EmissionEditor, AnEditThatIsNoNumberStopsTheSaveBeforeAnythingIsSent)
{
    EmissionRig rig;
    rig.word47Read(0);
    auto typed = kTyped;
    typed[10] = "15x0";
    rig.type(typed);
    rig.sim.clock.setRecording(true);
    EXPECT_FALSE(rig.editor.Save());
    EXPECT_TRUE(rig.sim.clock.frames().isEmpty());
    ASSERT_EQ(rig.prompter.notices.size(), 1u);
    EXPECT_TRUE(rig.prompter.notices[0].text.contains(u"15x0"));
    EXPECT_EQ(rig.image.Emission(), EmissionBlock{});
}

TEST(EmissionEditor, ReadShowsTheBlockAndTheSwitchesOfWord47AsItStands)
{
    // The controller names another index in every reply: each is still taken for the one asked.
    EmissionRig rig(sim::test::Line([](auto& o) { o.faults = {{sim::FaultMode::WrongEcho, 1.0}}; }));
    RunSequence(rig.sim.cmds, [](LinkJob& job) { AddEmissionWrite(job, TypedBlock()); });
    rig.word47Read(0x0280); // bits 7 and 9
    ASSERT_TRUE(rig.editor.Read());
    EXPECT_EQ(rig.image.Emission(), TypedBlock());
    for (int i = 0; i < kEmissionWords; ++i)
        EXPECT_EQ(rig.screen[EmissionRows()[size_t(i)].edit].text,
                  EmissionText(i, TypedBlock()[size_t(i)], rig.image.Parameters(), u','))
            << i;
    EXPECT_EQ(rig.screen["EditLambdaDol"].text, "0,30");
    EXPECT_EQ(rig.screen["EditRpmMin"].text, "1500");
    const int items[] = {1, 0, 1, 0, 0};
    for (size_t i = 0; i < std::size(items); ++i)
        EXPECT_EQ(rig.screen[EmissionSwitches()[i].control].item, items[i]) << i;
    EXPECT_TRUE(rig.screen[EmissionEditor::kStatus].text.isEmpty());

    EmissionRig lossy(sim::test::Line([](auto& o) { o.faults = {{sim::FaultMode::NoReply, 0.5}}; }));
    lossy.image.Emission().fill(7);
    ASSERT_TRUE(lossy.editor.Read());
    const EmissionBlock defaults = sim::DefaultEmissionBlock();
    for (size_t i = 0; i < size_t(kEmissionWords); ++i)
        EXPECT_EQ(lossy.image.Emission()[i], i % 2 ? 7 : defaults[i]) << i;
    EXPECT_EQ(lossy.screen[EmissionEditor::kStatus].text, lossy.texts[Text::EmissionBlockNotRead]);
}

TEST(EmissionEditor, ResetWritesTheDefaultsTheSwitchesAndTheTemperatureTable)
{
    EmissionRig rig;
    RunSequence(rig.sim.cmds, [](LinkJob& job) {
        AddEmissionWrite(job, TypedBlock());
        WriteTempCorrectionSequence(job, 3, 140);
    });
    rig.word47Read(0xFFFF);
    rig.type(kTyped);
    rig.screen[TemperatureMapEditor::kSwitch].item = 0;
    rig.sim.clock.setRecording(true);
    ASSERT_TRUE(rig.editor.Reset());

    const QStringList frames = rig.sim.clock.frames();
    ASSERT_EQ(frames.size(), 12 * 3 + 2 * 3 + 11 * 3);
    // Bits 7..11 cleared, then bit 6 from the map switch.
    EXPECT_EQ(frames.mid(36, 6), (QStringList{"K 2f 00 00", "E 2f f0 7f", "D 2f f0 7f", "K 2f 00 00",
                                              "E 2f f0 3f", "D 2f f0 3f"}));
    EXPECT_EQ(rig.controllerBlock(), EmissionDefaults(false, kIgnition));
    EXPECT_EQ(ReadTempCorrection(rig.sim.cmds, 3), quint8(100));
    EXPECT_EQ(ReadTempBreakpoint(rig.sim.cmds, 4), quint8(21));
    EXPECT_EQ(rig.image.Emission(), EmissionDefaults(false, kIgnition));
    // The edits show what they showed until the next read.
    EXPECT_EQ(rig.screen["EditMaxKor"].text, "10300");
}

} // namespace
} // namespace zantrel
