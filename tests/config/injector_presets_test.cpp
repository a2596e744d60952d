#include "config/ConfigBitFields.h"
#include "config/InjectorPresets.h"
#include "image/ParameterWordIndex.h"

#include "EditorParts.h"
#include "support/ScriptedSerialIo.h"

#include <gtest/gtest.h>

namespace zantrel {
namespace {

using test::EditorParts;
using test::WordWrite;

constexpr const char* kTimingEdits[] = {"EditMinimalnyCzasWtrysku", "EditPelneOtwarcie", "EditProcentowePodtrzymanie",
                                        "EditOpoznienieWtryskiwaczy"};

class InjectorPresets : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(link.OpenPort());
        prepare();
    }

    void prepare()
    {
        parts.table[kIgnitionTypeWord] = 2;
        parts.table[58] = 3;
        // What the edits showed before the choice.
        for (const char* edit : kTimingEdits)
            parts.screen[edit].text = QStringLiteral("1,0");
        parts.screen["EditParametryMaxInj"].text = QStringLiteral("20,0");
    }

    QStringList choose(int item)
    {
        clock.clearEvents();
        parts.screen["ComboBoxRodzajWtrysku"].item = item;
        parts.editors.Choose(u"ComboBoxRodzajWtrysku");
        return clock.trace();
    }

    QStringList texts()
    {
        QStringList shown;
        for (const char* edit : kTimingEdits)
            shown << parts.screen[edit].text;
        return shown;
    }

    VirtualClock clock;
    test::ScriptedSerialIo io{clock};
    EcuLink link{io, clock};
    EditorParts parts{link, clock};
};

// Word 22 with the type in bits 4..7, then the timing words 13, 6, 7 and 2 at the slow
// clock, never word 8.
TEST_F(InjectorPresets, EachTypeLoadsItsTimingAndWritesTheFourWordsInOrder)
{
    const struct {
        int item;
        // Minimal opening, full opening, holding, delay, as the edits show them after the
        // writes: a holding current the word's steps moved shows as stored.
        QStringList texts;
        int word13, word6, word7, word2;
    } cases[] = {
        {0, {"2,8", "4,00", "40,0", "2,00"}, 460, 600, 921, 645},
        {2, {"3,2", "4,00", "40,0", "2,00"}, 460, 600, 921, 737},
        {3, {"2,3", "4,2", "37,9", "1,5"}, 345, 569, 967, 529},
        {4, {"2,8", "4,0", "36,0", "2,0"}, 460, 540, 921, 645},
        {5, {"2,0", "4,0", "34,9", "1,2"}, 276, 524, 921, 460},
        {6, {"2,2", "4,0", "37,9", "1,0"}, 230, 569, 921, 506},
        // No preset: the edits as they were, held to the limits.
        {7, {"1,0", "1,0", "20,0", "1,0"}, 230, 300, 230, 230},
        {10, {"1,0", "1,0", "20,0", "1,0"}, 230, 300, 230, 230},
    };
    for (const auto& c : cases) {
        prepare();
        parts.screen["ButtonRodzajWtryskiwaczy"].shown = true;
        const QStringList trace = choose(c.item);
        EXPECT_EQ(texts(), c.texts) << c.item << " " << texts().join(u' ').toStdString();
        const int word22 = parts.table[kFlagsAWord];
        EXPECT_EQ((word22 >> 4) & 0xF, c.item);
        EXPECT_EQ(trace, WordWrite(22, word22) + WordWrite(13, c.word13) + WordWrite(6, c.word6)
                             + WordWrite(7, c.word7) + WordWrite(2, c.word2))
            << c.item;
        EXPECT_FALSE(parts.screen["ButtonRodzajWtryskiwaczy"].shown) << c.item;
        EXPECT_EQ(parts.table[58], 3);
    }
}

TEST_F(InjectorPresets, MatrixTakesItsTimingByHandAndSetsTheStandardControl)
{
    const QStringList trace = choose(1);
    EXPECT_EQ(trace, WordWrite(22, parts.table[kFlagsAWord]) + WordWrite(58, 0));
    EXPECT_EQ(ShadowField(parts.table, ConfigField::InjectorType), 1u);
    EXPECT_TRUE(parts.screen["ButtonRodzajWtryskiwaczy"].shown);
    EXPECT_EQ(parts.screen["ComboBoxMocnoZaawansowane"].item, 0);
    EXPECT_EQ(texts(), (QStringList{"1,0", "1,0", "1,0", "1,0"}));
}

TEST_F(InjectorPresets, WithAPointSeparatorThePresetTextsTakeIt)
{
    test::EditorParts dot{link, clock, Separators{u'.', u','}};
    dot.screen["ComboBoxRodzajWtrysku"].item = 3;
    dot.editors.Choose(u"ComboBoxRodzajWtrysku");
    EXPECT_EQ(dot.screen["EditMinimalnyCzasWtrysku"].text, QStringLiteral("2.3"));
    EXPECT_EQ(dot.screen["EditProcentowePodtrzymanie"].text, QStringLiteral("37.9"));
    EXPECT_EQ(dot.screen["EditPelneOtwarcie"].text, QStringLiteral("4.2"));
    EXPECT_EQ(dot.table[2], 529);
}

TEST_F(InjectorPresets, TheSettingsDialogsOkWritesTheFiveWordsInItsOrder)
{
    parts.screen["EditParametryMaxInj"].text = QStringLiteral("30,4");
    parts.screen["EditMinimalnyCzasWtrysku"].text = QStringLiteral("2,3");
    clock.clearEvents();
    ASSERT_TRUE(parts.editors.WriteInjectorSettings());
    EXPECT_EQ(clock.trace(), WordWrite(8, 7004) + WordWrite(2, 529) + WordWrite(7, 230) + WordWrite(6, 300)
                                 + WordWrite(13, 230));
}

TEST(RecommendedNozzles, TheBoxShowsTheFixedTable)
{
    const LanguageStrings texts;
    EXPECT_EQ(RecommendedNozzlesText(texts), QStringLiteral("Zalecane dysze wtryskiwaczy :\n"
                                                            "Valtek:\n"
                                                            "10-20 kM/cyl 1.5  - 2.0  \n"
                                                            "20-30 kM/cyl 2.0  - 2.5\n"
                                                            "30-40 kM/cyl 2.5 - 3.0\n"
                                                            "40-60 kM/cyl 3.0  - 3.5\n"
                                                            "\n"
                                                            "Martix:\n"
                                                            "10-20 kM/cyl 1.7  - 2.0\n"
                                                            "20-30 kM/cyl 2.0  - 2.7\n"
                                                            "30-40 kM/cyl 2.7 ->"));
}

} // namespace
} // namespace zantrel
