#include "config/ConfigBitFields.h"
#include "config/FactoryParameters.h"
#include "config/ParameterItemLists.h"
#include "image/ParameterTable.h"
#include "live/LiveConversions.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace zantrel {
namespace {

TEST(ParameterTable, SignedWordsAreSignExtendedOnReception)
{
    struct Case {
        int index;
        quint16 raw;
        qint32 slot;
    };
    const std::vector<Case> cases = {
        {3, 0xFFF6, -10}, {4, 0xFFF6, 65526}, {52, 0xFFF6, -10}, {50, 0xFFF6, 65526},
        {5, 0x8000, -32768}, {48, 0xFFEC, -20}, {49, 0x7FFF, 32767}, {0, 0xAAAA, 0xAAAA},
    };
    ParameterTable t;
    for (const Case& c : cases) {
        EXPECT_TRUE(t.StoreReceived(c.index, c.raw));
        EXPECT_EQ(t[c.index], c.slot) << c.index;
        EXPECT_EQ(t.word(c.index), c.raw) << c.index;
    }
}

TEST(ParameterTable, ReceptionBeyondTheWordsChangesNothing)
{
    ParameterTable t;
    t[ParameterTable::kShadow22] = 0x20;
    EXPECT_FALSE(t.StoreReceived(ParameterTable::kShadow22, 0x1234));
    EXPECT_FALSE(t.StoreReceived(-1, 0x1234));
    EXPECT_FALSE(t.StoreReceived(1000, 0x1234));
    EXPECT_EQ(t[ParameterTable::kShadow22], 0x20);
}

TEST(ParameterTable, ProgrammedMarkerIsAAAAOrZero)
{
    const std::map<qint32, bool> cases = {
        {0xAAAA, true}, {0, true}, {qint32(0xFFFFAAAA), true}, {0x5555, false}, {1, false}, {0xAAAB, false}};
    for (const auto& [marker, programmed] : cases) {
        ParameterTable t;
        t[0] = marker;
        EXPECT_EQ(t.IsProgrammed(), programmed) << std::hex << marker;
    }
}

TEST(ParameterTable, ShadowsPairWithTheirWords)
{
    const std::map<int, int> pairs = {{64, 22}, {65, 47}, {66, 54}, {67, 51}};
    for (const auto& [slot, word] : pairs) {
        EXPECT_EQ(ParameterTable::WordOfShadow(slot), word);
        EXPECT_EQ(ParameterTable::ShadowOfWord(word), slot);
        ParameterTable t;
        t[slot] = 0x1234 + slot;
        EXPECT_TRUE(t.CommitShadow(slot));
        EXPECT_EQ(t[word], 0x1234 + slot);
    }
    ParameterTable t;
    EXPECT_FALSE(t.CommitShadow(21));
    EXPECT_FALSE(ParameterTable::WordOfShadow(47).has_value());
}

// Fields of one word never share a bit, so setting one cannot change another.
TEST(ConfigBitFields, FieldsOfAWordDoNotOverlap)
{
    std::map<int, quint32> used;
    for (const BitField& f : BitFields()) {
        EXPECT_EQ(used[f.word] & FieldMask(f), 0u) << f.meaning;
        used[f.word] |= FieldMask(f);
        EXPECT_LE(f.firstBit + f.width, 16) << f.meaning;
    }
}

TEST(ConfigBitFields, SetsAFieldInTheShadowAndKeepsTheRest)
{
    ParameterTable t;
    t[ParameterTable::kShadow22] = 0x1000; // the controller's clock bit
    EXPECT_TRUE(SetShadowField(t, ConfigField::InjectorType, 2));
    EXPECT_EQ(t[ParameterTable::kShadow22], 0x1020);
    EXPECT_EQ(ShadowField(t, ConfigField::InjectorType), 2u);
    EXPECT_EQ(ShadowField(t, ConfigField::TickClock), 1u);
    EXPECT_EQ(t[22], 0) << "the word changes only when the shadow is committed";

    // A value wider than its field is refused rather than spilling into the next one.
    EXPECT_FALSE(SetShadowField(t, ConfigField::InjectorType, 16));
    EXPECT_FALSE(SetShadowField(t, ConfigField::MapKind, 4));
    EXPECT_EQ(t[ParameterTable::kShadow22], 0x1020);

    EXPECT_TRUE(SetShadowField(t, ConfigField::ExtraCorrection8, 1));
    EXPECT_TRUE(SetShadowField(t, ConfigField::Fuel, 1));
    EXPECT_EQ(t[ParameterTable::kShadow51], 0x80);
    EXPECT_EQ(t[ParameterTable::kShadow47], 0x8000);
}

TEST(ParameterItemLists, GeneratedListsRunAsTheComboBoxesShowThem)
{
    struct Case {
        const char* control;
        int count;
        int item;
        const char* text;
    };
    const std::vector<Case> cases = {
        {"ComboBoxMrozRed", 22, 1, "+10 °C"},
        {"ComboBoxMrozRed", 22, 11, "0 °C"},
        {"ComboBoxMrozRed", 22, 21, "-10 °C"},
        {"ComboBoxMrozGaz", 22, 1, "0 °C"},
        {"ComboBoxMrozGaz", 22, 21, "-20 °C"},
        {"ComboBoxDeltaRpm", 10, 0, "Brak obr. Malejacych"},
        {"ComboBoxDeltaRpm", 10, 3, "300 obr./min"},
        {"ComboBoxSkaczKorInjT", 15, 3, "4 ms"},
        {"ComboBoxKorekcjaSkacz", 141, 0, "-60"},
        {"ComboBoxKorekcjaSkacz", 141, 60, "0"},
        {"ComboBoxKorekcjaSkacz", 141, 140, "80"},
        {"ComboBoxRodzajWtrysku", 11, 2, "Matrix - Fast"},
        {"ComboBoxSondaLambda2", 7, 2, "0,8 - 1,6V"},
        {"ComboBoxTURBOQuillon", 2, 1, "SILNIK TURBO"},
        {"ComboBoxObcKorekt", 3, 2, ""},
    };
    for (const Case& c : cases) {
        const ItemList* list = FindItemList(QString::fromLatin1(c.control));
        ASSERT_NE(list, nullptr) << c.control;
        EXPECT_EQ(list->items.size(), c.count) << c.control;
        EXPECT_EQ(list->items.value(c.item), QString::fromUtf8(c.text)) << c.control << " " << c.item;
    }
    EXPECT_EQ(FindItemList(u"EditWzbogacanieMieszanki"), nullptr);
}

TEST(FactoryParameters, FillsTheFactoryValuesAndKeepsTheRest)
{
    ParameterTable t;
    for (int i = 0; i < ParameterTable::kSlots; ++i)
        t[i] = 5000 + i;
    t[ParameterTable::kShadow47] = 0xFFFF;
    ApplyFactoryValues(t);

    for (int i : {35, 36, 37, 38, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63, ParameterTable::kShadow54})
        EXPECT_EQ(t[i], 5000 + i) << i;
    EXPECT_EQ(t[21], 2);
    EXPECT_EQ(t[14], qint32(RpmToPeriod(1500, 2)));
    EXPECT_EQ(t[44], qint32(RpmToPeriod(6500, 2)));
    EXPECT_EQ(t[0], 0xAAAA);
    EXPECT_EQ(t[48], -20);
    EXPECT_EQ(t[23], 0x040F);
    EXPECT_EQ(t[ParameterTable::kShadow22], 0x0020);
    EXPECT_EQ(t[22], 0x0020);
    EXPECT_EQ(t[ParameterTable::kShadow51], 0);
    EXPECT_EQ(t[47], 0);
    EXPECT_EQ(t[ParameterTable::kShadow47], 0x7FFE); // fuel LPG and reducer cut-off cleared
}

} // namespace
} // namespace zantrel
