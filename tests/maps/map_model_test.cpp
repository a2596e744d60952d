#include "image/ParameterTable.h"
#include "live/LiveConversions.h"
#include "maps/CurveGraph.h"
#include "maps/MapBands.h"
#include "maps/MapColours.h"
#include "maps/MapDefaults.h"
#include "maps/MapEdits.h"
#include "maps/MapTexts.h"

#include <gtest/gtest.h>

#include <map>

namespace zantrel {
namespace {

// A map whose every cell is known and holds `percent`.
LoadRpmMap FilledMap(int percent)
{
    LoadRpmMap map;
    for (int r = 0; r < kMapRows; ++r)
        for (int c = 0; c < kMapColumns; ++c)
            map.Set(r, c, ByteOfPercent(percent));
    return map;
}

// The changes as percent by (row, column).
std::map<std::pair<int, int>, int> ByCell(const ByteChanges& changes)
{
    std::map<std::pair<int, int>, int> out;
    for (const ByteChange& c : changes)
        out[{c.index / kMapColumns, c.index % kMapColumns}] = PercentOf(c.byte);
    return out;
}

TEST(MapTexts, CellsCarryTheirSignAndCurvePointsDoNot)
{
    const struct {
        quint8 byte;
        const char* cell;
        const char* curve;
    } cases[] = {{115, "+15", "15"}, {100, "0", "0"}, {95, "-5", "-5"}, {101, "+1", "1"}, {0, "-100", "-100"}};
    for (const auto& c : cases) {
        EXPECT_EQ(CellText(c.byte), QString::fromLatin1(c.cell));
        EXPECT_EQ(CurvePointText(c.byte), QString::fromLatin1(c.curve));
    }
}

TEST(MapTexts, HeadersShowThePointsAndTheLastBandWithAPlus)
{
    const InjectionMaps maps = StartupMaps();
    EXPECT_EQ(ColumnHeaderText(maps.points, 0), "1000");
    EXPECT_EQ(ColumnHeaderText(maps.points, 5), "6000");
    EXPECT_EQ(ColumnHeaderText(maps.points, 6), "+6000");
    EXPECT_EQ(RowHeaderText(maps.points, 0, u','), "1,5");
    EXPECT_EQ(RowHeaderText(maps.points, 10, u'.'), "20.0");
    EXPECT_EQ(RowHeaderText(maps.points, 11, u','), "+20,0");
    EXPECT_EQ(CellText(maps.map.Cell(4, 3)), "+5");
    EXPECT_FALSE(maps.map.known.any());
    EXPECT_EQ(PresetLoadPointText(15, u','), "1,5");
    EXPECT_EQ(PresetLoadPointText(20, u','), "2");
}

TEST(MapTexts, PointTextsAreLimitedAndStepped)
{
    const struct {
        int index;
        const char* text;
        std::optional<int> value;
    } cases[] = {
        {0, "1000", 1000},    {0, "1234", 1200},   {0, "+2500", 2500}, {0, "100", 500},  {0, "-5", 500},
        {0, "99999", 15000},  {0, "1,5", {}},      {0, "", {}},        {0, "abc", {}},   {6, "1,5", 15},
        {6, "1,55", 15},      {6, "1,2", 12},      {6, "18", 180},     {6, "0", 1},      {6, "40", 350},
        {6, "1.5", {}},       {6, "-", {}},        {6, "1,,5", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PointValueFromText(c.index, QString::fromLatin1(c.text), u','), c.value) << c.text;
    EXPECT_EQ(WholeNumberFromText(QStringLiteral("-99")), -99);
    EXPECT_EQ(WholeNumberFromText(QStringLiteral("+")), std::nullopt);
    EXPECT_EQ(WholeNumberFromText(QStringLiteral("1,5")), std::nullopt);
}

// The words a point takes and the value a word shows, for both kinds of point.
TEST(MapTexts, PointsEncodeFromWhatTheyShow)
{
    const PointCoding slow4Cyl{2, false};
    EXPECT_EQ(PointWord(0, 2000, slow4Cyl), RpmToPeriod(2000, 2));
    EXPECT_EQ(PointWord(6, 15, slow4Cyl), 345); // trunc(1.5 x 230.4)
    EXPECT_EQ(PointWord(6, 15, {2, true}), 2764);
    EXPECT_EQ(PointValueOfWord(0, PointWord(0, 6000, slow4Cyl), slow4Cyl), 6000);
    EXPECT_EQ(PointValueOfWord(6, 345, slow4Cyl), 15);
    // The same speed under "DIS" is a period twice as long.
    EXPECT_EQ(PointWord(0, 3000, {1, false}), 2 * PointWord(0, 3000, slow4Cyl));
}

TEST(MapBands, ABreakpointBelongsToTheLowerBand)
{
    const InjectionMaps maps = StartupMaps(); // 1000..6000 rpm, 1.5..20 ms
    const struct {
        int rpm;
        int column;
    } speeds[] = {{0, 0}, {1000, 0}, {1050, 1}, {2000, 1}, {6000, 5}, {6050, 6}};
    for (const auto& s : speeds)
        EXPECT_EQ(SpeedBand(maps.points, s.rpm), s.column) << s.rpm;
    const struct {
        float ms;
        int row;
    } loads[] = {{0.0f, 0}, {1.5f, 0}, {1.51f, 1}, {3.0f, 1}, {20.0f, 10}, {20.1f, 11}};
    for (const auto& l : loads)
        EXPECT_EQ(LoadBand(maps.points, l.ms), l.row) << l.ms;
}

TEST(MapBands, TheLiveCellAndSegmentFollowTheRecord)
{
    InjectionMaps maps = StartupMaps();
    const PointCoding coding{2, false};
    for (int i = 0; i < kMapPoints; ++i)
        maps.points.words[size_t(i)] = PointWord(i, maps.points.values[size_t(i)], coding);
    const quint16 period3000 = quint16(RpmToPeriod(3000, 2));
    const quint16 ticks = quint16(MsToTicks(3.0f, false));
    EXPECT_EQ(LocateLiveCell(maps.points, period3000, ticks, coding), (LiveMapCell{1, 2}));
    EXPECT_EQ(LocateLiveCell(maps.points, quint16(RpmToPeriod(9000, 2)), 65000, coding), (LiveMapCell{11, 6}));
    EXPECT_EQ(LocateCurveSegment(maps.points, maps.points.words[6]).segment, 0);
    EXPECT_EQ(LocateCurveSegment(maps.points, quint16(maps.points.words[6] + 1)).segment, 1);
    EXPECT_EQ(LocateCurveSegment(maps.points, quint16(maps.points.words[16] + 1)).segment, 11);
}

TEST(MapBands, TheCurveLimitFollowsTheTurboFlag)
{
    ParameterTable table;
    EXPECT_EQ(CurveMax(table), 50);
    table[ParameterTable::kShadow47] = 0x4000;
    EXPECT_EQ(CurveMax(table), 90);
    EXPECT_EQ(FactoryCellByte(50), 115);
}

TEST(MapColours, ValuesFadeTowardsRedOrBlueAndStayInRange)
{
    const struct {
        int percent;
        Rgb colour;
    } cases[] = {
        {0, {255, 255, 255}},   {10, {255, 225, 225}}, {50, {255, 105, 105}}, {150, {255, 105, 105}},
        {-10, {215, 215, 255}}, {-63, {3, 3, 255}},   {-64, {0, 0, 255}},    {-100, {0, 0, 255}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ValueColour(c.percent), c.colour) << c.percent;
}

TEST(MapEdits, StepsStopAtTheLimitsAndSkipWhatDoesNotChange)
{
    LoadRpmMap map = FilledMap(0);
    map.Set(0, 0, ByteOfPercent(148));
    map.Set(0, 1, ByteOfPercent(-48));
    map.Set(0, 2, ByteOfPercent(150));
    EXPECT_EQ(ByCell(StepCells(map, {0, 0, 0, 2}, 5)), (std::map<std::pair<int, int>, int>{{{0, 0}, 150}, {{0, 1}, -43}}));
    EXPECT_EQ(ByCell(StepCells(map, {0, 0, 0, 2}, -5)),
              (std::map<std::pair<int, int>, int>{{{0, 0}, 143}, {{0, 1}, -50}, {{0, 2}, 145}}));
    // Columns from the right, rows from the bottom.
    const ByteChanges order = StepCells(map, {3, 3, 4, 4}, 1);
    ASSERT_EQ(order.size(), 4u);
    EXPECT_EQ(order[0].index, LoadRpmMap::Index(4, 4));
    EXPECT_EQ(order[1].index, LoadRpmMap::Index(3, 4));
    EXPECT_EQ(order[3].index, LoadRpmMap::Index(3, 3));
    // A cell never read is not stepped; a value set by hand is written there.
    map.known.reset(size_t(LoadRpmMap::Index(5, 5)));
    EXPECT_TRUE(StepCells(map, {5, 5, 5, 5}, 1).empty());
    EXPECT_EQ(ByCell(SetCells(map, {5, 5, 5, 5}, -99)), (std::map<std::pair<int, int>, int>{{{5, 5}, -50}}));
}

// +8 at the corner: +4, +2, +1 on the rings inside the map; -3 gives -1 on the first.
TEST(MapEdits, GradientRingsHalveTowardZeroAndStayInsideTheMap)
{
    const LoadRpmMap map = FilledMap(0);
    const auto rise = ByCell(GradientCells(map, {0, 0, 0, 0}, 8));
    std::map<std::pair<int, int>, int> expected;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            expected[{r, c}] = 8 >> std::max(r, c);
    EXPECT_EQ(rise, expected);

    const auto fall = ByCell(GradientCells(map, {0, 0, 0, 0}, -3));
    EXPECT_EQ(fall, (std::map<std::pair<int, int>, int>{{{0, 0}, -3}, {{0, 1}, -1}, {{1, 0}, -1}, {{1, 1}, -1}}));
    EXPECT_EQ(ByCell(GradientCells(map, {5, 2, 6, 3}, -1)).size(), 4u) << "-1 / 2 is 0: the selection alone";
    EXPECT_TRUE(GradientCells(map, {5, 2, 6, 3}, 0).empty());
    // Around a 2 x 2 selection in the middle, ring 1 has 12 cells.
    EXPECT_EQ(GradientCells(map, {5, 2, 6, 3}, 2).size(), 4u + 12u);
}

TEST(MapEdits, ACopiedBlockPastesBackCellForCell)
{
    LoadRpmMap map = FilledMap(0);
    for (int r = 0; r < kMapRows; ++r)
        for (int c = 0; c < kMapColumns; ++c)
            map.Set(r, c, ByteOfPercent(r * 10 - c * 7));
    const QString copied = CopyCells(map, {2, 1, 4, 3});
    EXPECT_TRUE(copied.startsWith(QStringLiteral("+13\t+6\t-1\n+23\t")));
    const auto block = ParsePercentBlock(copied);
    ASSERT_TRUE(std::holds_alternative<PercentBlock>(block));
    const auto pasted = PasteCells(FilledMap(0), 6, 4, std::get<PercentBlock>(block));
    ASSERT_TRUE(std::holds_alternative<ByteChanges>(pasted));
    for (const auto& [cell, percent] : ByCell(std::get<ByteChanges>(pasted))) {
        const int r = cell.first - 6 + 2;
        const int c = cell.second - 4 + 1;
        EXPECT_EQ(percent, r * 10 - c * 7) << cell.first << "," << cell.second;
    }
    EXPECT_EQ(std::get<ByteChanges>(pasted).size(), 9u);
}

TEST(MapEdits, PastedBlocksAreReadAsSpreadsheetsWriteThemOrRefused)
{
    const struct {
        const char* text;
        std::optional<BlockError::Kind> error;
        int size;
    } cases[] = {
        {"1\t2\r\n3\t4\r\n", {}, 4},
        {" 15% \t-2,7\t+3.9\n", {}, 3},
        {"200\n", {}, 1},
        {"", BlockError::Kind::Empty, 0},
        {"1\tx\n", BlockError::Kind::NotANumber, 0},
        {"1\t\n", BlockError::Kind::NotANumber, 0},
        {"1e3\n", BlockError::Kind::NotANumber, 0},
        {"1\t2\n3\n", BlockError::Kind::Ragged, 0},
        {"1\t2\t3\t4\n", BlockError::Kind::TooLarge, 0},
    };
    const LoadRpmMap map = FilledMap(0);
    for (const auto& c : cases) {
        const auto block = ParsePercentBlock(QString::fromLatin1(c.text));
        const auto result = std::holds_alternative<PercentBlock>(block)
            ? PasteCells(map, 10, 4, std::get<PercentBlock>(block))
            : std::variant<ByteChanges, BlockError>(std::get<BlockError>(block));
        if (c.error) {
            ASSERT_TRUE(std::holds_alternative<BlockError>(result)) << c.text;
            EXPECT_EQ(std::get<BlockError>(result).kind, *c.error) << c.text;
        } else {
            ASSERT_TRUE(std::holds_alternative<ByteChanges>(result)) << c.text;
            EXPECT_EQ(std::get<ByteChanges>(result).size(), size_t(c.size)) << c.text;
        }
    }
    const auto held = std::get<ByteChanges>(PasteCells(map, 0, 0, std::get<PercentBlock>(ParsePercentBlock("-2,7\t200\t-90\n"))));
    EXPECT_EQ(ByCell(held), (std::map<std::pair<int, int>, int>{{{0, 0}, -2}, {{0, 1}, 150}, {{0, 2}, -50}}));
}

TEST(MapEdits, CurvePointsStayWithinTheirLimits)
{
    LoadCurve curve;
    curve.bytes.fill(100);
    curve.known.set();
    curve.bytes[0] = ByteOfPercent(48);
    curve.bytes[1] = ByteOfPercent(-24);
    const ByteChanges up = StepCurvePoints(curve, 0, 1, 5, 50);
    ASSERT_EQ(up.size(), 2u);
    EXPECT_EQ(PercentOf(up[0].byte), 50);
    EXPECT_EQ(PercentOf(up[1].byte), -19);
    EXPECT_EQ(PercentOf(StepCurvePoints(curve, 1, 1, -5, 50)[0].byte), -25);
    EXPECT_EQ(PercentOf(SetCurvePoints(curve, 2, 2, 99, 90)[0].byte), 90);
}

TEST(CurveGraph, AClickAboveOrBelowTheScaleIsHeldToTheCurveLimits)
{
    InjectionMaps maps = StartupMaps(); // T11 = 20 ms
    const CurveGraph graph(maps.points, 440, 300, 50);
    EXPECT_DOUBLE_EQ(graph.LimitX(1), 1.5 * 20.0);
    EXPECT_DOUBLE_EQ(graph.BarRight(11), 438.0);
    EXPECT_EQ(graph.BandAt(10), 0);
    EXPECT_EQ(graph.BandAt(30), 1);
    EXPECT_EQ(graph.BandAt(439), 11);
    EXPECT_EQ(graph.PercentAt(graph.ZeroY()), 0);
    EXPECT_EQ(graph.PercentAt(graph.YOf(20)), 20);
    LoadCurve curve;
    const int above = graph.PercentAt(-10);
    const int below = graph.PercentAt(310);
    EXPECT_GT(above, 50);
    EXPECT_LT(below, -25);
    EXPECT_EQ(PercentOf(SetCurvePoints(curve, 0, 0, above, 50)[0].byte), 50);
    EXPECT_EQ(PercentOf(SetCurvePoints(curve, 0, 0, below, 50)[0].byte), -25);
}

} // namespace
} // namespace zantrel
