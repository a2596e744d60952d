#include "SimRig.h"

#include "link/ReadSequences.h"
#include "link/WriteSequences.h"
#include "sim/ExtendedWords.h"
#include "sim/TableMemory.h"

#include <gtest/gtest.h>

#include <vector>

namespace zantrel::sim::test {
namespace {

TEST(SimTables, MapPointsRoundTripAndLandInTheMapBank)
{
    SimRig rig;
    for (int i = 0; i < kMapPoints; ++i)
        WriteMapPointSequence(rig.cmds, quint8(i), 0x0100 * i + 7);
    const MapReadout maps = ReadMaps(rig.cmds);
    for (int i = 0; i < kMapPoints; ++i) {
        EXPECT_EQ(maps.points[size_t(i)], 0x0100 * i + 7) << i;
        EXPECT_EQ(rig.model.tables().mapBank().word(i), 0x0100 * i + 7) << i;
    }
}

struct CellCase {
    int row;         // 1..12
    int column;      // 1..7
    quint8 value;
    int bankWord;    // the word that holds the pair
    quint16 content; // after the write; the other cells are at +15 % (115 = 0x73)
    friend void PrintTo(const CellCase& c, std::ostream* os) { *os << "row " << c.row << " column " << c.column; }
};

class SimMapCell : public ::testing::TestWithParam<CellCase> {};

// The cell read back is the one written, and the bank word the program computes holds
// the pair: upper (odd) row in the high byte.
TEST_P(SimMapCell, RoundTripsAndKeepsTheBankPacking)
{
    const CellCase& c = GetParam();
    SimRig rig;
    const int r = c.row - 1;
    const int col = c.column - 1;
    EXPECT_EQ(MapBankWordOfCell(r, col), c.bankWord);
    WriteMapCellSequence(rig.cmds, quint8(r), quint8(col), c.value, quint8(c.bankWord), c.content);
    const MapReadout maps = ReadMaps(rig.cmds);
    EXPECT_EQ(maps.cells[size_t(r)][size_t(col)], c.value);
    EXPECT_EQ(maps.cells[size_t(r ^ 1)][size_t(col)], kDefaultCorrectionByte);
    EXPECT_EQ(rig.model.tables().mapBank().word(c.bankWord), c.content);
    EXPECT_EQ(MapBankPair(rig.model.tables(), r, col), c.content);
}

INSTANTIATE_TEST_SUITE_P(Cases, SimMapCell,
                         ::testing::Values(CellCase{1, 1, 90, 18, 0x5A73}, CellCase{2, 1, 90, 18, 0x735A},
                                           CellCase{3, 2, 120, 25, 0x7873}, CellCase{12, 7, 200, 59, 0x73C8}));

TEST(SimTables, CurvePointsRoundTripAndLandInTheSecondBank)
{
    SimRig rig;
    for (int k = 0; k < kCurvePoints; ++k)
        WriteCurvePointSequence(rig.cmds, quint8(k), quint8(80 + k));
    const MapReadout maps = ReadMaps(rig.cmds);
    for (int k = 0; k < kCurvePoints; ++k) {
        EXPECT_EQ(maps.curve[size_t(k)], 80 + k) << k;
        EXPECT_EQ(rig.model.tables().secondBank().word(kSecondBankCurveBase + k), 80 + k) << k;
    }
}

TEST(SimTables, EmissionWordsRoundTripWithASignedHighByte)
{
    SimRig rig;
    EXPECT_EQ(ReadEmissionWord(rig.cmds, 0), 614);
    for (int i = 0; i < kEmissionWords; ++i)
        WriteEmissionSequence(rig.cmds, quint8(i), 0xFF00 + i);
    for (int i = 0; i < kEmissionWords; ++i) {
        EXPECT_EQ(ReadEmissionWord(rig.cmds, quint8(i)), 0xFF00 + i) << i;
        EXPECT_EQ(rig.model.tables().secondBank().word(kSecondBankEmissionBase + i), 0xFF00 + i) << i;
    }
}

TEST(SimTables, TemperatureTableRoundTripsAndIgnoresIndexesItHasNot)
{
    SimRig rig;
    EXPECT_EQ(ReadTempBreakpoint(rig.cmds, 4), 21);
    EXPECT_EQ(ReadTempCorrection(rig.cmds, 5), 100);
    for (int k = 0; k < kTempCorrections; ++k) {
        WriteTempBreakpointSequence(rig.cmds, quint8(k), quint8(10 * k + 3));
        WriteTempCorrectionSequence(rig.cmds, quint8(k), quint8(85 + k));
    }
    for (int k = 0; k < kTempBreakpoints; ++k) {
        EXPECT_EQ(ReadTempBreakpoint(rig.cmds, quint8(k)), 10 * k + 3) << k;
        EXPECT_EQ(rig.model.tables().secondBank().word(kSecondBankTempBreakpointBase + k), 10 * k + 3);
    }
    for (int k = 0; k < kTempCorrections; ++k) {
        EXPECT_EQ(ReadTempCorrection(rig.cmds, quint8(k)), 85 + k) << k;
        EXPECT_EQ(rig.model.tables().secondBank().word(kSecondBankTempCorrectionBase + k), 85 + k);
    }
    // There are five points: a sixth reads 0, and its write was never sent, so the bank
    // place after the points kept the first enrichment (checked above).
    EXPECT_EQ(ReadTempBreakpoint(rig.cmds, 5), 0);
}

TEST(SimTables, ExtendedWordsRoundTripThroughBothWriters)
{
    SimRig rig;
    WriteExtendedWord(rig.cmds, kSerialNumberWord, 70000); // only the low 16 bits travel
    std::vector<quint16> block;
    for (int i = 0; i < kCarDataWrittenWords; ++i)
        block.push_back(quint16(0x4100 + i));
    WriteCarDataBlock(rig.cmds, block);
    EXPECT_EQ(ReadExtendedWord(rig.cmds, kSerialNumberWord), 4464);
    for (int i = 0; i < kCarDataWrittenWords; ++i)
        EXPECT_EQ(ReadExtendedWord(rig.cmds, quint8(i)), 0x4100 + i) << i;
}

// A value step for another word than the one selected, or without a select, is dropped.
TEST(SimTables, TwoStepStoresNeedTheirSelect)
{
    SimRig rig;
    const quint16 before = *ReadExtendedWord(rig.cmds, 5);
    for (const auto& steps : {std::vector<CommandFrame>{BuildFrame('U', 5, 0x12, 0x34)},
                              {BuildFrame('M', 6), BuildFrame('U', 5, 0x12, 0x34)},
                              {BuildFrame('M', 5), BuildFrame('U', 5, 0x12, 0x34), BuildFrame('U', 5, 0x56, 0x78)}}) {
        for (const CommandFrame& f : steps)
            rig.link.SendFrame(f);
    }
    EXPECT_NE(before, 0x1234);
    EXPECT_EQ(ReadExtendedWord(rig.cmds, 5), 0x1234);

    rig.link.SendFrame(BuildFrame('_', 20, 0x0102));
    rig.link.SendFrame(BuildFrame('>', 21));
    rig.link.SendFrame(BuildFrame('_', 20, 0x0102));
    EXPECT_EQ(rig.model.tables().mapBank().word(20), 0x7373);
}

TEST(SimTables, CarDataStartStoredOrErased)
{
    SimRig stored;
    EXPECT_EQ(ReadExtendedWord(stored.cmds, 0), ('Z' << 8) | 'T');
    EXPECT_EQ(ReadExtendedWord(stored.cmds, kCapacityWord).value_or(0xFF) & 0xFF, 0) << "saved marker";

    SimRig erased(Controller([](auto& o) { o.erasedCarData = true; }));
    for (const int i : {0, 30, 59, 60, kEngineDataWord, kCapacityWord})
        EXPECT_EQ(ReadExtendedWord(erased.cmds, quint8(i)), 0xFFFF) << i;
    EXPECT_EQ(ReadExtendedWord(erased.cmds, kSerialNumberWord), ReadExtendedWord(stored.cmds, kSerialNumberWord));
}

} // namespace
} // namespace zantrel::sim::test
