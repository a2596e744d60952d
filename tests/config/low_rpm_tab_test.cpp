#include "FakeEditorScreen.h"

#include "base/LanguageStrings.h"
#include "config/ConfigBitFields.h"
#include "config/LowRpmTabEditor.h"
#include "config/ParameterItemLists.h"
#include "config/ParameterUnits.h"
#include "image/ParameterTable.h"
#include "image/ParameterWordIndex.h"
#include "link/LinkGate.h"
#include "link/ReadSequences.h"
#include "link/StepTimer.h"
#include "sim/SimRig.h"

#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace zantrel {
namespace {

TEST(LowRpmFilter, ItemsAndBits)
{
    const std::pair<int, LowRpmFilterBits> items[] = {{0, {0, 0}}, {1, {1, 0}}, {2, {1, 1}}};
    for (const auto& [item, bits] : items) {
        EXPECT_EQ(LowRpmFilterBitsOf(item).active, bits.active) << item;
        EXPECT_EQ(LowRpmFilterBitsOf(item).variant, bits.variant) << item;
        EXPECT_EQ(LowRpmFilterItem(bits), item);
    }
    EXPECT_EQ(LowRpmFilterItem({0, 1}), 0) << "the variant alone shows Brak";

    const std::pair<double, std::optional<int>> slider[] = {
        {-12.7, 47}, {0.0, std::nullopt}, {0.9, std::nullopt}, {-0.5, std::nullopt}, {1.0, 61}, {50.0, 110}, {-30.0, 30}};
    for (const auto& [percent, item] : slider)
        EXPECT_EQ(DynamicItemOfSlider(percent), item) << percent;
}

using sim::test::SimRig;

struct TabRig {
    TabRig()
    {
        for (const char* list : {"ComboBoxFiltr", "ComboBoxKorSkacz", "ComboBoxSkaczKorInjT", "ComboBoxKorekcjaSkacz"})
            screen[list].items = FindItemList(QString::fromLatin1(list))->items;
        table[kIgnitionTypeWord] = 2;
    }
    void read(int word, quint16 value)
    {
        table.StoreReceived(word, value);
        if (const std::optional<int> shadow = ParameterTable::ShadowOfWord(word))
            table[*shadow] = value;
    }

    SimRig sim;
    PauseStepTimer timer{sim.clock};
    LinkGate gate{sim.link, timer};
    ParameterTable table;
    test::FakeEditorScreen screen;
    test::ScriptedPrompter prompter;
    LanguageStrings texts;
    LowRpmTabEditor editor{table, gate, screen, prompter, texts, u','};
};

TEST(LowRpmTabEditor, SaveWritesTheThreeWordsThenTheFilterBits)
{
    TabRig rig;
    rig.read(kFlagsBWord, 0x0000);
    rig.read(kFlagsCWord, 0x0001);
    rig.screen["EditFiltrRPM"].text = "9000"; // above 5000
    rig.screen["EditFiltrInjTime"].text = "4";
    rig.screen["EditFiltrDt"].text = "0,001"; // below 0,005
    rig.screen["ComboBoxFiltr"].item = 2;
    rig.sim.clock.setRecording(true);
    ASSERT_TRUE(rig.editor.SaveFilter());

    const QStringList frames = rig.sim.clock.frames();
    ASSERT_EQ(frames.size(), 5 * 3);
    const int order[] = {60, 61, 59, kFlagsCWord, kFlagsBWord};
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(frames[i * 3].startsWith(QStringLiteral("K %1").arg(order[i], 2, 16, QLatin1Char('0')))) << i;
    EXPECT_EQ(rig.table.word(kFlagsCWord), 0x0009);
    EXPECT_EQ(rig.table.word(kFlagsBWord), 0x0020);
    EXPECT_EQ(ReadParameterWord(rig.sim.cmds, 60), rig.table.word(60));
    EXPECT_EQ(ReadParameterWord(rig.sim.cmds, kFlagsCWord), quint16(0x0009));
    // The limited values are shown as stored.
    EXPECT_EQ(rig.screen["EditFiltrRPM"].text, "5000");
    EXPECT_EQ(rig.screen["EditFiltrDt"].text, *ParameterText(rig.table, 59, u','));
    EXPECT_EQ(rig.screen["EditFiltrInjTime"].text, "4,0");
    EXPECT_EQ(rig.screen["ComboBoxFiltr"].item, 2);
}

TEST(LowRpmTabEditor, AnEditThatIsNoNumberStopsTheSave)
{
    TabRig rig;
    rig.read(kFlagsBWord, 0);
    rig.screen["EditFiltrRPM"].text = "1100";
    rig.screen["EditFiltrInjTime"].text = "4";
    rig.screen["EditFiltrDt"].text = "1,,5";
    const qint32 before = rig.table[60];
    rig.sim.clock.setRecording(true);
    EXPECT_FALSE(rig.editor.SaveFilter());
    EXPECT_TRUE(rig.sim.clock.frames().isEmpty());
    EXPECT_EQ(rig.table[60], before);
    EXPECT_EQ(rig.prompter.notices.size(), 1u);
}

TEST(LowRpmTabEditor, TheSliderSelectsTheListsAndWritesWord54ThenWord23Twice)
{
    TabRig rig;
    rig.read(kFlagsCWord, 0x0000);
    rig.read(kDynamicCorrectionWord, 0x0401);
    rig.sim.clock.setRecording(true);
    ASSERT_TRUE(rig.editor.Slide(-12.7));
    EXPECT_EQ(rig.screen["ComboBoxKorSkacz"].item, 1);
    EXPECT_EQ(rig.screen["ComboBoxKorekcjaSkacz"].item, 47);
    EXPECT_EQ(rig.screen["ComboBoxSkaczKorInjT"].item, 3);
    EXPECT_EQ(rig.sim.clock.frames(),
              (QStringList{"K 36 00 00", "E 36 00 80", "D 36 00 80", "K 17 00 00", "E 17 04 04", "D 17 04 04",
                           "K 17 00 00", "E 17 37 a4", "D 17 37 a4"}));
    EXPECT_EQ(rig.table.word(kDynamicCorrectionWord), 14244);
}

TEST(LowRpmTabEditor, RefreshShowsTheWordsAndWritesNothing)
{
    TabRig rig;
    rig.read(kFlagsBWord, 0x0020);
    rig.read(kFlagsCWord, 0x0088);
    rig.read(kDynamicCorrectionWord, 14244);
    rig.read(60, quint16(*RawFromUser(rig.table, 60, 1500)));
    rig.sim.clock.setRecording(true);
    EXPECT_EQ(rig.editor.Refresh(), -13.0);
    EXPECT_TRUE(rig.sim.clock.frames().isEmpty());
    EXPECT_EQ(rig.screen["ComboBoxFiltr"].item, 2);
    EXPECT_EQ(rig.screen["ComboBoxKorSkacz"].item, 1);
    EXPECT_EQ(rig.screen["ComboBoxSkaczKorInjT"].item, 3);
    EXPECT_EQ(rig.screen["ComboBoxKorekcjaSkacz"].item, 47);
    EXPECT_EQ(rig.screen["EditFiltrRPM"].text, "1500");
    EXPECT_TRUE(rig.screen["EditFiltrDt"].text.isEmpty()) << "word 59 was not read";

    TabRig unread;
    EXPECT_EQ(unread.editor.Refresh(), std::nullopt);
    EXPECT_EQ(unread.screen["ComboBoxKorSkacz"].item, -1);
}

} // namespace
} // namespace zantrel
