#include "base/LanguageStrings.h"
#include "image/ControllerImage.h"
#include "image/ParameterTable.h"
#include "link/CommandSet.h"
#include "link/EcuLink.h"
#include "link/JobRun.h"
#include "link/LinkGate.h"
#include "link/LinkJob.h"
#include "link/StepTimer.h"
#include "link/VirtualClock.h"
#include "link/WriteSequences.h"
#include "live/LiveConversions.h"
#include "live/LiveRecord.h"
#include "maps/MapBank.h"
#include "maps/MapDefaults.h"
#include "maps/MapEditor.h"
#include "maps/MapTexts.h"
#include "maps/MapTransfer.h"
#include "sim/DefaultTables.h"
#include "sim/SimRig.h"

#include "support/ScriptedPrompter.h"
#include "support/ScriptedSerialIo.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace zantrel {
namespace {

using sim::test::SimRig;

// Every map entry known, each cell at +15 % but one.
InjectionMaps KnownMaps()
{
    InjectionMaps maps = StartupMaps();
    for (int r = 0; r < kMapRows; ++r)
        for (int c = 0; c < kMapColumns; ++c)
            maps.map.Set(r, c, 115);
    maps.points.known.set();
    maps.curve.known.set();
    return maps;
}

// A controller that answers the map reads from its own tables, with replies spoiled as
// a test says: "L 02 01" -> how many of its replies come with a wrong terminator.
class ScriptedMaps : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(link.OpenPort());
        io.onWrite = [this](const QByteArray& frame) { answer(frame); };
    }

    void answer(const QByteArray& frame)
    {
        const char command = frame.at(0);
        const int a = quint8(frame.at(1));
        const int b = quint8(frame.at(2));
        quint16 value = 0;
        if (command == '}')
            value = quint16(0x0200 + a);
        else if (command == 'L')
            value = cells[{a, b}];
        else if (command == '2')
            value = quint16(100 + a);
        else
            return;
        QByteArray reply("d", 1);
        reply += char(a);
        reply += char(value >> 8);
        reply += char(value & 0xFF);
        reply += '\0';
        reply += ';';
        const QString key = DescribeFrame(frame).left(7);
        if (spoiled[key] > 0) {
            --spoiled[key];
            reply[5] = 'x';
        }
        io.deliver(reply, 300);
    }

    std::map<std::pair<int, int>, quint8> cells;
    std::map<QString, int> spoiled;
    VirtualClock clock;
    test::ScriptedSerialIo io{clock};
    EcuLink link{io, clock};
};

TEST_F(ScriptedMaps, ACellGoesOutWithItsPairWord)
{
    const struct {
        int row;    // from 1, as the grid counts
        int column; // from 1
        quint8 byte;
        QString bank;
        QString pair;
    } cases[] = {
        {3, 2, 120, "> 19 00 00", "_ 19 78 73"}, // word 18 + (12 + 2) / 2 = 25: rows 3 and 4
        {4, 2, 120, "> 19 00 00", "_ 19 73 78"},
        {12, 7, 200, "> 3b 00 00", "_ 3b 73 c8"}, // word 59: row 11 in the high byte
        {1, 1, 50, "> 12 00 00", "_ 12 32 73"},
    };
    for (const auto& c : cases) {
        InjectionMaps maps = KnownMaps();
        clock.clearEvents();
        LinkJob job;
        AddCellWrite(job, maps, c.row - 1, c.column - 1, c.byte);
        ASSERT_EQ(RunJob(link, std::move(job)), JobOutcome::Completed);
        const QString direct = QStringLiteral("F %1 %2 %3")
                                   .arg(c.row - 1, 2, 16, QLatin1Char('0'))
                                   .arg(c.column - 1, 2, 16, QLatin1Char('0'))
                                   .arg(c.byte, 2, 16, QLatin1Char('0'));
        EXPECT_EQ(clock.trace(), (QStringList{direct, "10ms", c.bank, "20ms", c.pair, "20ms"})) << c.row << "," << c.column;
        EXPECT_EQ(maps.map.Cell(c.row - 1, c.column - 1), c.byte);
    }
}

// The other cell of a pair that was never read is asked for before its byte goes into
// the bank word; one that does not answer leaves the bank word unwritten.
TEST_F(ScriptedMaps, AnUnknownNeighbourIsReadFirstOrThePairIsLeftOut)
{
    InjectionMaps maps = KnownMaps();
    maps.map.known.reset(size_t(LoadRpmMap::Index(3, 1)));
    cells[{3, 1}] = 90;
    auto report = std::make_shared<MapTransferReport>();
    LinkJob job;
    AddCellWrite(job, maps, 2, 1, 120, report);
    ASSERT_EQ(RunJob(link, std::move(job)), JobOutcome::Completed);
    EXPECT_EQ(clock.frames(), (QStringList{"F 02 01 78", "L 03 01 00", "> 19 00 00", "_ 19 78 5a"}));
    EXPECT_TRUE(maps.map.Known(3, 1));
    EXPECT_EQ(report->pairsNotStored, 0);

    maps.map.known.reset(size_t(LoadRpmMap::Index(3, 1)));
    spoiled["L 03 01"] = 2;
    clock.clearEvents();
    LinkJob again;
    AddCellWrite(again, maps, 2, 1, 121, report);
    ASSERT_EQ(RunJob(link, std::move(again)), JobOutcome::Completed);
    EXPECT_EQ(clock.frames(), (QStringList{"F 02 01 79", "L 03 01 00", "L 03 01 00"}));
    EXPECT_EQ(report->pairsNotStored, 1);
}

// A reply rejected once is asked for again at once; an entry rejected twice is asked
// for once more (and again) at the end; one that never comes keeps its value, is counted
// and is not known.
TEST_F(ScriptedMaps, TheReadRetriesAndKeepsWhatItDidNotGet)
{
    InjectionMaps maps = StartupMaps();
    for (int r = 0; r < kMapRows; ++r)
        for (int c = 0; c < kMapColumns; ++c)
            cells[{r, c}] = quint8(60 + r + c);
    spoiled["L 02 01"] = 1;
    spoiled["L 04 00"] = 2;
    spoiled["L 05 03"] = 4;
    spoiled["} 10 00"] = 4;
    auto report = std::make_shared<MapTransferReport>();
    std::vector<MapPart> phases;
    LinkJob job;
    AddMapRead(job, maps, {2, false}, {[&](MapPart p) { phases.push_back(p); }, {}}, report);
    ASSERT_EQ(RunJob(link, std::move(job)), JobOutcome::Completed);

    EXPECT_EQ(phases, (std::vector<MapPart>{MapPart::Points, MapPart::Cells, MapPart::Curve}));
    EXPECT_EQ(clock.frames().size(), 17 + 84 + 12 + 1 + 2 + 3 + 3);
    EXPECT_EQ(clock.frames().last(), "L 05 03 00") << "points first, then cells, when asked again";
    EXPECT_EQ(maps.map.Cell(2, 1), 63);
    EXPECT_TRUE(maps.map.Known(2, 1));
    EXPECT_EQ(maps.map.Cell(4, 0), 64);
    EXPECT_TRUE(maps.map.Known(4, 0));
    EXPECT_EQ(maps.map.Cell(5, 3), 105) << "the old text stays";
    EXPECT_FALSE(maps.map.Known(5, 3));
    EXPECT_EQ(maps.points.values[16], 200) << "20 ms as before";
    EXPECT_FALSE(maps.points.known[16]);
    EXPECT_EQ(maps.points.words[15], 0x0200 + 15);
    EXPECT_EQ(maps.curve.bytes[11], 111);
    EXPECT_EQ(report->unread, 2);
}

class RecordingView final : public MapEditorView {
public:
    void SetProgressMaximum(int maximum) override { maxima.push_back(maximum); }
    void SetProgressPosition(int position) override { last = position; }
    void ShowStatus(const QString& text) override { statuses << text; }
    void ShowNote(const QString& text) override { notes << text; }
    void ShowCell(int, int) override { ++cellsShown; }
    void ShowPoints() override {}
    void ShowCurve() override {}
    void EditEnded() override { ++ended; }

    std::vector<int> maxima;
    int last = 0;
    QStringList statuses;
    QStringList notes;
    int cellsShown = 0;
    int ended = 0;
};

// The editor on the simulated controller, whose maps it has read.
struct EditorRig {
    EditorRig()
    {
        image.Parameters().StoreReceived(21, 2);
        LinkJob job;
        editor.AddRead(job);
        EXPECT_TRUE(gate.Start(std::move(job), nullptr));
        rig.clock.setRecording(true);
    }

    quint8 simCell(int row, int column) const { return rig.model.tables().cell(row, column); }
    const InjectionMaps& maps() const { return image.Maps(); }

    SimRig rig;
    PauseStepTimer timer{rig.clock};
    LinkGate gate{rig.link, timer};
    ControllerImage image;
    RecordingView view;
    test::ScriptedPrompter prompter;
    LanguageStrings texts;
    MapEditor editor{gate, image, view, prompter, texts, u','};
};

TEST(MapEditor, TheReadShowsItsPhasesAndTakesTheController)
{
    EditorRig e;
    EXPECT_EQ(e.view.statuses, (QStringList{"Mapa 1", "Mapa 1p", "Mapa 2"}));
    EXPECT_EQ(e.view.maxima, (std::vector<int>{17, 84, 12}));
    EXPECT_TRUE(e.view.notes.isEmpty());
    EXPECT_EQ(e.maps().map.known.count(), size_t(kMapCells));
    EXPECT_EQ(e.maps().points.values[5], 6000);
    EXPECT_EQ(e.maps().points.values[16], 180);
    EXPECT_EQ(e.maps().points.words[16], sim::DefaultMapPoints()[16]);
    EXPECT_EQ(RowHeaderText(e.maps().points, 11, u','), "+18,0");
}

TEST(MapEditor, AStepOverTheWholeMapReachesTheControllerCellByCell)
{
    EditorRig e;
    ASSERT_TRUE(e.editor.Step({0, 0, 11, 6}, 5));
    EXPECT_EQ(e.rig.clock.frames().size(), size_t(84 * 3));
    EXPECT_EQ(e.rig.clock.frames().first(), "F 0b 06 78") << "from the last column and row";
    for (int r = 0; r < kMapRows; ++r)
        for (int c = 0; c < kMapColumns; ++c) {
            EXPECT_EQ(e.simCell(r, c), 120);
            EXPECT_EQ(e.rig.model.tables().mapBank().word(MapBankWordOfCell(r, c)), 0x7878);
        }
    EXPECT_EQ(e.view.last, 84);
    EXPECT_EQ(e.view.ended, 2);
}

TEST(MapEditor, UndoOfAGradientRestoresEveryByteAndRedoBringsItBack)
{
    EditorRig e;
    ASSERT_TRUE(e.editor.SetValue({4, 2, 4, 2}, QStringLiteral("-99")));
    EXPECT_EQ(e.simCell(4, 2), 50) << "-99 is held to -50";
    const InjectionMaps before = e.maps();
    ASSERT_TRUE(e.editor.Gradient({0, 0, 1, 1}, QStringLiteral("+20")));
    EXPECT_EQ(e.simCell(0, 0), 135);
    EXPECT_EQ(e.simCell(2, 2), 125);
    EXPECT_EQ(e.simCell(3, 3), 120);
    EXPECT_EQ(e.simCell(4, 2), 52);
    ASSERT_TRUE(e.editor.Undo());
    for (int r = 0; r < kMapRows; ++r)
        for (int c = 0; c < kMapColumns; ++c) {
            EXPECT_EQ(e.simCell(r, c), before.map.Cell(r, c)) << r << "," << c;
            EXPECT_EQ(e.maps().map.Cell(r, c), before.map.Cell(r, c)) << r << "," << c;
            EXPECT_EQ(e.rig.model.tables().mapBank().word(MapBankWordOfCell(r, c)),
                      MapBankPairWord(before.map, r, c));
        }
    ASSERT_TRUE(e.editor.Redo());
    EXPECT_EQ(e.simCell(0, 0), 135);
    ASSERT_TRUE(e.editor.Undo());
    ASSERT_TRUE(e.editor.Undo());
    EXPECT_EQ(e.simCell(4, 2), 115) << "the set value undone as well";
    EXPECT_FALSE(e.editor.CanUndo());
}

TEST(MapEditor, APastedBlockIsWrittenAsOneUndoableStep)
{
    EditorRig e;
    ASSERT_TRUE(e.editor.Paste(10, 5, QStringLiteral("1\t-2\r\n150\t160\r\n")));
    EXPECT_EQ(e.simCell(10, 5), 101);
    EXPECT_EQ(e.simCell(10, 6), 98);
    EXPECT_EQ(e.simCell(11, 5), 250);
    EXPECT_EQ(e.simCell(11, 6), 250) << "held to +150";
    EXPECT_EQ(e.editor.Copy({10, 5, 11, 6}), QStringLiteral("+1\t-2\n+150\t+150\n"));
    ASSERT_TRUE(e.editor.Undo());
    EXPECT_EQ(e.simCell(11, 6), 115);
}

TEST(MapEditor, TextsThatAreNoNumberAreRefusedAndSendNothing)
{
    EditorRig e;
    const std::function<bool()> edits[] = {
        [&] { return e.editor.SetValue({0, 0, 0, 0}, QStringLiteral("+")); },
        [&] { return e.editor.Gradient({0, 0, 0, 0}, QStringLiteral("1,5")); },
        [&] { return e.editor.Paste(0, 0, QStringLiteral("1\tx\n")); },
        [&] { return e.editor.Paste(11, 0, QStringLiteral("1\n2\n")); },
        [&] { return e.editor.Paste(0, 0, QString()); },
        [&] {
            std::array<QString, kMapPoints> texts;
            texts.fill(QStringLiteral("5"));
            texts[9] = QStringLiteral("5,,0");
            return e.editor.EditPoints(texts);
        },
    };
    for (const auto& edit : edits)
        EXPECT_FALSE(edit());
    EXPECT_EQ(e.prompter.notices.size(), std::size(edits));
    EXPECT_EQ(e.prompter.notices[0].text, "\"+\" nie jest liczbą całkowitą. Mapa nie została zmieniona.");
    EXPECT_TRUE(e.rig.clock.frames().isEmpty());
    EXPECT_FALSE(e.editor.CanUndo());
}

TEST(MapEditor, APointPresetWritesTheChangedPointsAndTheIgnitionTypeReencodesSpeeds)
{
    EditorRig e;
    const MapPointPreset& high = MapPointPresets()[2];
    EXPECT_STREQ(high.caption, "Silnik wysokoobrotowy (20 ms, 9000 rpm)");
    std::array<QString, kMapPoints> texts;
    for (int i = 0; i < kSpeedPoints; ++i)
        texts[size_t(i)] = SpeedPointText(high.speedsRpm[size_t(i)]);
    for (int i = 0; i < kLoadPoints; ++i)
        texts[size_t(kFirstLoadPoint + i)] = PresetLoadPointText(high.loadTenths[size_t(i)], u',');
    ASSERT_TRUE(e.editor.EditPoints(texts));
    // 1000 rpm, 1.5, 2, 3, 6 and 8 ms stay: 11 of 17 points change.
    EXPECT_EQ(e.rig.clock.frames().size(), size_t(11 * 3));
    EXPECT_EQ(e.rig.model.tables().point(5), RpmToPeriod(9000, 2));
    EXPECT_EQ(e.rig.model.tables().point(16), MsToTicks(20.0f, false));
    EXPECT_EQ(ColumnHeaderText(e.maps().points, 6), "+9000");

    e.rig.clock.clearEvents();
    e.image.Parameters().StoreReceived(21, 1); // "DIS"
    ASSERT_TRUE(e.editor.ReencodeSpeedPoints());
    const QStringList trace = e.rig.clock.trace();
    // 10 ms before each point and 20 ms after it: 30 ms between two.
    ASSERT_EQ(trace.size(), 1 + 6 * 5 + 5 + 1);
    EXPECT_EQ(trace.mid(0, 7), (QStringList{"10ms", "] 00 36 00", "10ms", "> 00 00 00", "20ms", "_ 00 36 00", "30ms"}));
    EXPECT_EQ(trace.last(), "20ms");
    for (int i = 0; i < kSpeedPoints; ++i) {
        EXPECT_EQ(e.rig.model.tables().point(i), RpmToPeriod(high.speedsRpm[size_t(i)], 1)) << i;
        EXPECT_EQ(e.maps().points.values[size_t(i)], high.speedsRpm[size_t(i)]);
    }
    ASSERT_TRUE(e.editor.ReencodeSpeedPoints());
    EXPECT_EQ(e.rig.clock.frames().size(), size_t(6 * 3)) << "nothing more when no word changes";
}

// The controller corrects the gas time by the cell the engine runs in: an edit of the
// live cell shows in the next live record.
TEST(MapEditor, AnEditOfTheLiveCellShowsInTheGasTimes)
{
    EditorRig e;
    WriteParameter(e.rig.cmds, 47, 1 << 2); // the load + RPM map, as every read-all leaves it
    WriteParameter(e.rig.cmds, 5, 10);
    WriteParameter(e.rig.cmds, 14, int(RpmToPeriod(700, 2)));
    e.rig.clock.advanceUs(100'000);
    LiveRecord record;
    record.Assign(e.rig.live());
    ASSERT_TRUE(record.OnGas());
    ASSERT_TRUE(e.editor.PlaceLiveCell(record));
    const LiveMapCell cell = *e.maps().liveCell;
    const auto ratio = [&e] {
        const LiveWords w = e.rig.live();
        return double(w[size_t(live::kGasTime[0])]) / w[size_t(live::kPetrolTime[0])];
    };
    EXPECT_NEAR(ratio(), 1.15, 0.005);
    ASSERT_TRUE(e.editor.SetValue({cell.row, cell.column, cell.row, cell.column}, QStringLiteral("40")));
    EXPECT_NEAR(ratio(), 1.40, 0.005);
}

TEST(MapEditor, TheLiveCellFollowsTheEngineOnceTheIgnitionTypeIsKnown)
{
    EditorRig e;
    LiveRecord record;
    record[live::kSpeedPeriod] = quint16(RpmToPeriod(2500, 2));
    record[0] = quint16(MsToTicks(7.0f, false));
    EXPECT_TRUE(e.editor.PlaceLiveCell(record));
    EXPECT_EQ(e.maps().liveCell, (LiveMapCell{5, 2}));
    EXPECT_FALSE(e.editor.PlaceLiveCell(record)) << "the same cell: nothing to repaint";
    e.image.Parameters().ForgetKnown();
    EXPECT_TRUE(e.editor.PlaceLiveCell(record));
    EXPECT_EQ(e.maps().liveCell, std::nullopt);
}

} // namespace
} // namespace zantrel
