#include "base/LanguageStrings.h"
#include "base/Prompter.h"
#include "config/ParameterTransfer.h"
#include "image/ControllerImage.h"
#include "image/ParameterTable.h"
#include "link/CommandSet.h"
#include "link/EcuLink.h"
#include "link/JobRun.h"
#include "link/LinkGate.h"
#include "link/LinkJob.h"
#include "link/ReadSequences.h"
#include "link/StepTimer.h"
#include "link/VirtualClock.h"
#include "link/WriteSequences.h"
#include "sim/DefaultTables.h"
#include "sim/FactoryValues.h"
#include "sim/SimRig.h"

#include "ExpectedTrace.h"
#include "support/ScriptedPrompter.h"
#include "support/ScriptedSerialIo.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <map>
#include <vector>

namespace zantrel {
namespace {

class RecordingView final : public ParameterTransferView {
public:
    void SetProgressMaximum(int maximum) override { maxima.push_back(maximum); }
    void SetProgressPosition(int position) override { positions.push_back(position); }
    void StepProgress() override { ++steps; }
    std::vector<int> RefreshAfterRead() override
    {
        ++refreshes;
        if (onRefresh)
            onRefresh();
        return writeBack;
    }
    void ShowNote(const QString& text) override { statuses << text; }

    std::vector<int> maxima;
    std::vector<int> positions;
    int steps = 0;
    int refreshes = 0;
    std::function<void()> onRefresh;
    std::vector<int> writeBack; // what the refresh asks to be written after it
    QStringList statuses;
};

// The parts a transfer works on, over any link; its jobs run on the link's clock.
struct TransferParts {
    TransferParts(EcuLink& link, VirtualClock& clock)
        : stepTimer(clock)
        , gate(link, stepTimer)
        , transfer(gate, image, view, prompter, texts)
    {
    }

    PauseStepTimer stepTimer;
    LinkGate gate;
    ControllerImage image;
    ParameterTable& table = image.Parameters();
    RecordingView view;
    test::ScriptedPrompter prompter;
    LanguageStrings texts;
    ParameterTransfer transfer;
};

// ---- a scripted controller: word replies with faults at chosen indexes ----

enum class Fault { WrongEcho, NoReply, BadTerminator, WrongFirstByte };

class ScriptedTransfer : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(link.OpenPort());
        io.onWrite = [this](const QByteArray& frame) { answer(frame); };
        for (int i = 0; i < ParameterTable::kWords; ++i)
            words[size_t(i)] = quint16(0x0100 + i);
        words[0] = kProgrammedMarker;
    }

    void answer(const QByteArray& frame)
    {
        if (frame.at(0) != 'd')
            return;
        const int i = quint8(frame.at(1));
        QByteArray reply("d", 1);
        reply += char(i);
        reply += char(words[size_t(i)] >> 8);
        reply += char(words[size_t(i)] & 0xFF);
        reply += '\0';
        reply += ';';
        const auto fault = faults.find(i);
        if (fault != faults.end()) {
            switch (fault->second) {
            case Fault::WrongEcho: reply[1] = char(i + 1); break;
            case Fault::NoReply: return;
            case Fault::BadTerminator: reply[5] = 'x'; break;
            case Fault::WrongFirstByte: reply[0] = 'e'; break;
            }
        }
        io.deliver(reply, 300);
    }

    int framesWith(char command) const
    {
        int n = 0;
        for (const QString& f : clock.frames())
            n += f.startsWith(QLatin1Char(command));
        return n;
    }

    std::array<quint16, ParameterTable::kWords> words{};
    std::map<int, Fault> faults;
    bool vanishInStep = false;
    VirtualClock clock;
    test::ScriptedSerialIo io{clock};
    EcuLink link{io, clock};
    EcuCommands cmds{link};
    TransferParts parts{link, clock};
    ParameterTable& table = parts.table;
    RecordingView& view = parts.view;
    ParameterTransfer& transfer = parts.transfer;
};

TEST_F(ScriptedTransfer, ReadAllStoresAcceptedWordsAndKeepsRejectedSlots)
{
    faults = {{7, Fault::WrongEcho}, {9, Fault::NoReply}, {11, Fault::BadTerminator}, {12, Fault::WrongFirstByte}};
    words[3] = 0xFFF6;
    words[4] = 0xFFF6;
    words[22] = 0x9020;
    words[47] = 0x4004;
    for (const int i : {7, 9, 11, 12})
        table[i] = 777;

    EXPECT_TRUE(transfer.ReadAll());

    for (int i = 0; i < ParameterTable::kWords; ++i) {
        if (faults.count(i)) {
            EXPECT_EQ(table[i], 777) << i;
        } else if (i != 3) {
            EXPECT_EQ(table[i], qint32(words[size_t(i)])) << i;
        }
    }
    EXPECT_EQ(table[3], -10);
    EXPECT_EQ(table[4], 65526);
    EXPECT_EQ(table[ParameterTable::kShadow22], 0x9020);
    EXPECT_EQ(table[ParameterTable::kShadow47], 0x4004);

    const QStringList trace = clock.trace();
    EXPECT_EQ(trace.at(0), "20ms");
    EXPECT_EQ(trace.at(1), "d 00 00 00");
    // The four lost words are asked for once more, in order, after the 64.
    EXPECT_EQ(framesWith('d'), 64 + 4);
    EXPECT_EQ(clock.frames().mid(64), (QStringList{"d 07 00 00", "d 09 00 00", "d 0b 00 00", "d 0c 00 00"}));
    EXPECT_EQ(view.maxima, std::vector<int>{63});
    ASSERT_EQ(view.positions.size(), 64u);
    EXPECT_EQ(view.positions.front(), 0);
    EXPECT_EQ(view.positions.back(), 63);
    EXPECT_EQ(view.refreshes, 1);
    EXPECT_TRUE(parts.prompter.questions.empty());
}

// The shadows of words 22 and 47 follow the words read, whatever the marker says; an
// unprogrammed controller is asked about, and No leaves the table as read.
TEST_F(ScriptedTransfer, MarkerDecidesBetweenShadowsAndTheResetQuestion)
{
    struct Case {
        quint16 marker;
        bool asked;
    };
    for (const Case c : {Case{0xAAAA, false}, Case{0x0000, false}, Case{0x5555, true}}) {
        words[0] = c.marker;
        words[22] = 0x8030;
        words[47] = 0x0104;
        table[ParameterTable::kShadow22] = 0x11;
        table[ParameterTable::kShadow47] = 0x22;
        parts.prompter.questions.clear();
        parts.prompter.answers = {false};
        clock.clearEvents();
        const int refreshesBefore = view.refreshes;

        EXPECT_TRUE(transfer.ReadAll());

        EXPECT_EQ(parts.prompter.questions.size(), c.asked ? 1u : 0u) << std::hex << c.marker;
        EXPECT_EQ(table[ParameterTable::kShadow22], 0x8030) << std::hex << c.marker;
        EXPECT_EQ(table[ParameterTable::kShadow47], 0x0104) << std::hex << c.marker;
        EXPECT_EQ(table[0], c.marker);
        EXPECT_EQ(clock.frames().size(), 64) << "nothing but the reads";
        EXPECT_EQ(view.refreshes, refreshesBefore + 1);
    }
    ASSERT_EQ(parts.prompter.questions.size(), 1u);
    EXPECT_EQ(parts.prompter.questions[0].caption, QStringLiteral("Reset Pamięci sterownika"));
    EXPECT_EQ(parts.prompter.questions[0].text,
              QStringLiteral("Sterownik nie był wcześniej programowany, należy dokonać resetu!!"));
}

TEST_F(ScriptedTransfer, WriteWordSendsTheLowSixteenBitsAfterItsPause)
{
    struct Case {
        int index;
        qint32 slot;
        int pauseMs;
        QStringList trace;
    };
    const std::vector<Case> cases = {
        {40, 2, ParameterTransfer::kEditorPauseMs, {"10ms", "K 28 00 00", "30ms", "E 28 00 02", "20ms", "D 28 00 02"}},
        {42, 250, ParameterTransfer::kHeatingPauseMs, {"20ms", "K 2a 00 00", "30ms", "E 2a 00 fa", "20ms", "D 2a 00 fa"}},
        {3, -10, ParameterTransfer::kEditorPauseMs, {"10ms", "K 03 00 00", "30ms", "E 03 ff f6", "20ms", "D 03 ff f6"}},
        {16, 500000, ParameterTransfer::kEditorPauseMs, {"10ms", "K 10 00 00", "30ms", "E 10 a1 20", "20ms", "D 10 a1 20"}},
    };
    for (const Case& c : cases) {
        clock.clearEvents();
        table[c.index] = c.slot;
        EXPECT_TRUE(transfer.WriteWord(c.index, c.pauseMs));
        EXPECT_EQ(clock.trace(), c.trace) << c.index;
    }
}

TEST_F(ScriptedTransfer, ShadowsAreWrittenOnlyThroughTheirWord)
{
    table[ParameterTable::kShadow47] = 0x4004;
    EXPECT_FALSE(transfer.WriteWord(ParameterTable::kShadow47));
    EXPECT_FALSE(transfer.WriteWord(-1));
    EXPECT_FALSE(transfer.WriteShadow(21));
    EXPECT_TRUE(clock.frames().isEmpty());

    EXPECT_TRUE(transfer.WriteShadow(ParameterTable::kShadow47));
    EXPECT_EQ(table[47], 0x4004);
    EXPECT_EQ(clock.frames(), (QStringList{"K 2f 00 00", "E 2f 40 04", "D 2f 40 04"}));
}

TEST_F(ScriptedTransfer, WriteAllGoesFrom63DownAndEndsWithTheMarker)
{
    for (int i = 0; i < ParameterTable::kSlots; ++i)
        table[i] = 0x3000 + i;
    table[0] = 0x1234;
    table[3] = -2;

    EXPECT_TRUE(transfer.WriteAll());

    const QStringList frames = clock.frames();
    ASSERT_EQ(frames.size(), 64 * 3);
    EXPECT_EQ(frames.mid(0, 3), (QStringList{"K 3f 00 00", "E 3f 30 3f", "D 3f 30 3f"}));
    EXPECT_EQ(frames.at(3), "K 3e 00 00");
    EXPECT_EQ(frames.at(60 * 3 + 1), "E 03 ff fe");
    EXPECT_EQ(clock.trace().mid(clock.trace().size() - 6),
              (QStringList{"K 00 00 00", "30ms", "E 00 aa aa", "30ms", "D 00 aa aa", "10ms"}));
    EXPECT_EQ(view.steps, 63);
    EXPECT_EQ(table[0], 0x1234) << "the marker is sent, the slot is left";
}

// While a job runs, every other transfer is refused and nothing goes between its frames;
// once it has ended, the next one runs.
TEST_F(ScriptedTransfer, ASecondTransferWhileOneRunsIsRefused)
{
    parts.stepTimer.holding = true;
    ASSERT_TRUE(transfer.WriteAll());
    parts.stepTimer.RunOne();
    ASSERT_TRUE(transfer.Busy());
    const QStringList before = clock.frames();
    parts.prompter.answers = {true};
    EXPECT_FALSE(transfer.WriteAll());
    EXPECT_FALSE(transfer.WriteWord(40));
    EXPECT_FALSE(transfer.WriteShadow(ParameterTable::kShadow47));
    EXPECT_FALSE(transfer.ReadAll());
    EXPECT_FALSE(transfer.FactoryReset());
    EXPECT_FALSE(transfer.MenuReset());
    EXPECT_EQ(clock.frames(), before);
    EXPECT_TRUE(parts.prompter.questions.empty());

    parts.stepTimer.RunAll();
    EXPECT_FALSE(transfer.Busy());
    EXPECT_EQ(clock.frames().size(), 64 * 3);
    EXPECT_TRUE(transfer.WriteWord(40));
}

// A read that loses words: the shadows take only the words it received, the status
// field says how many came, and a word that failed once is asked for once more before
// it counts as lost.
TEST_F(ScriptedTransfer, AReadThatLosesWordsSaysSoAndKeepsTheShadows)
{
    struct Case {
        const char* name;
        std::map<int, Fault> faults;
        QStringList statuses;
    };
    std::map<int, Fault> everyWord;
    for (int i = 0; i < 64; ++i)
        everyWord[i] = Fault::WrongEcho;
    const std::vector<Case> cases = {
        {"every reply rejected", everyWord, {"Odczytano 0 z 64 parametrów"}},
        {"words 22 and 47 lost", {{22, Fault::WrongEcho}, {47, Fault::NoReply}}, {"Odczytano 62 z 64 parametrów"}},
        {"all received", {}, {}},
    };
    for (const Case& c : cases) {
        words[22] = 0x0020;
        faults = c.faults;
        table[ParameterTable::kShadow22] = 0x1111;
        table[ParameterTable::kShadow47] = 0x2222;
        view.statuses.clear();
        clock.clearEvents();

        EXPECT_TRUE(transfer.ReadAll()) << c.name;

        EXPECT_EQ(framesWith('d'), 64 + int(faults.size())) << c.name;
        EXPECT_EQ(clock.frames().size(), 64 + faults.size()) << c.name << ": nothing but reads";
        EXPECT_EQ(table.Known(22), !faults.count(22)) << c.name;
        EXPECT_EQ(table[ParameterTable::kShadow22], faults.count(22) ? 0x1111 : 0x0020) << c.name;
        EXPECT_EQ(table[ParameterTable::kShadow47], faults.count(47) ? 0x2222 : 0x0100 + 47) << c.name;
        EXPECT_EQ(view.statuses, c.statuses) << c.name;
        EXPECT_TRUE(parts.prompter.questions.empty()) << c.name;
    }
}

// What other parts add runs in the after-read job, after the write-back; their `ended`
// runs once that job is over and the link is free again, and not when the job broke off.
TEST_F(ScriptedTransfer, AfterReadStepsFollowTheWriteBackAndTheirEndComesOutsideTheJob)
{
    view.writeBack = {22};
    std::vector<QString> order;
    transfer.AddAfterRead(
        [&](LinkJob& job) {
            job.Send('P', 0).Then([&] {
                order.push_back(parts.gate.Busy() ? "step in the job" : "step outside");
                if (vanishInStep)
                    io.vanish();
            });
            job.Send('P', 1);
        },
        [&] { order.push_back(parts.gate.Busy() ? "ended in the job" : "ended"); });

    EXPECT_TRUE(transfer.ReadAll());
    EXPECT_EQ(order, (std::vector<QString>{"step in the job", "ended"}));
    const QStringList frames = clock.frames();
    ASSERT_GE(frames.size(), 5);
    EXPECT_EQ(frames.mid(frames.size() - 5), (QStringList{"K 16 00 00", "E 16 01 16", "D 16 01 16", "P 00 00 00",
                                                          "P 01 00 00"}));

    order.clear();
    vanishInStep = true;
    EXPECT_TRUE(transfer.ReadAll());
    EXPECT_EQ(order, (std::vector<QString>{"step in the job"}));
}

// A reply lost to an overslept poll comes with the second request: nothing is lost.
TEST_F(ScriptedTransfer, AWordMissedOnceIsReadOnTheSecondRequest)
{
    int asked = 0;
    io.onWrite = [&](const QByteArray& frame) {
        if (frame.at(0) == 'd' && frame.at(1) == 30 && ++asked == 1)
            return;
        answer(frame);
    };
    EXPECT_TRUE(transfer.ReadAll());
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(table.KnownCount(), 64);
    EXPECT_EQ(table[30], 0x0100 + 30);
    EXPECT_TRUE(view.statuses.isEmpty());
}

// No to the not-programmed question: the shadows still come from the words just read,
// so a write-back sends the received word 22 with its bit, never a stale shadow.
TEST_F(ScriptedTransfer, NoToTheResetQuestionWritesBackFromTheReceivedWords)
{
    words[0] = 0x5555;
    words[22] = 0x0020;
    table[ParameterTable::kShadow22] = 0x1111;
    parts.prompter.answers = {false};
    view.onRefresh = [&] { table[22] = table[ParameterTable::kShadow22] | 0x8000; };
    view.writeBack = {22};
    clock.clearEvents();

    EXPECT_TRUE(transfer.ReadAll());

    EXPECT_EQ(parts.prompter.questions.size(), 1u);
    EXPECT_EQ(clock.frames().mid(64), (QStringList{"K 16 00 00", "E 16 80 20", "D 16 80 20"}));
}

// ---- the simulated controller ----

using sim::test::SimRig;
using test::ExpectedTrace;

// What a factory reset sends, word by word, for a table whose kept words hold `kept`.
QStringList FactoryResetTrace(const std::array<quint16, 64>& written, quint16 word47)
{
    ExpectedTrace t;
    for (int i = 63; i >= 1; --i) {
        t.frame('K', i, 0, 0);
        t.pause(30);
        t.wordFrame('E', i, written[size_t(i)]);
        t.pause(20);
        t.wordFrame('D', i, written[size_t(i)]);
        t.pause(20);
    }
    t.frame('K', 0, 0, 0);
    t.pause(30);
    t.wordFrame('E', 0, 0xAAAA);
    t.pause(30);
    t.wordFrame('D', 0, 0xAAAA);
    t.pause(10);
    for (int c = 6; c >= 0; --c) {
        for (int r = 11; r >= 0; --r) {
            const int bankWord = 18 + (c * 12 + r) / 2;
            t.frame('F', r, c, 115);
            t.pause(10);
            t.frame('>', bankWord, 0, 0);
            t.pause(20);
            t.wordFrame('_', bankWord, 0x7373);
            t.pause(20);
        }
    }
    const std::array<quint16, 17> points = sim::DefaultMapPoints();
    for (int i = 0; i < 17; ++i) {
        t.wordFrame(']', i, points[size_t(i)]);
        t.pause(10);
        t.frame('>', i, 0, 0);
        t.pause(20);
        t.wordFrame('_', i, points[size_t(i)]);
        t.pause(30);
    }
    for (int k = 0; k < 12; ++k) {
        t.frame('!', k, k, 115);
        t.secondBank(k, 115);
    }
    const std::array<quint16, 12> emission = sim::DefaultEmissionBlock();
    for (int i = 0; i < 12; ++i) {
        t.wordFrame('Q', i, emission[size_t(i)]);
        t.secondBank(27 + i, emission[size_t(i)]);
    }
    t.pause(10);
    t.frame('K', 47, 0, 0);
    t.pause(30);
    t.wordFrame('E', 47, word47);
    t.pause(20);
    t.wordFrame('D', 47, word47);
    for (int k = 0; k < 6; ++k) {
        t.frame('^', k, k, 100);
        t.secondBank(21 + k, 100);
    }
    for (int k = 0; k < 5; ++k) {
        t.frame('%', k, k, 5 * k + 1);
        t.secondBank(16 + k, 5 * k + 1);
    }
    return t.steps;
}

// The simulated controller, scrambled: every word, a cell, an axis point, a curve point,
// an emission word and both temperature tables hold other values than the factory's.
void Scramble(SimRig& rig)
{
    std::array<qint32, 64> junk{};
    for (int i = 0; i < 64; ++i)
        junk[size_t(i)] = 0x4000 + 7 * i;
    WriteAllParameters(rig.cmds, junk);
    RunSequence(rig.cmds, [](LinkJob& job) {
        WriteMapCellSequence(job, 0, 0, 150, 18, 0x9696);
        WriteMapPointSequence(job, 3, 1234);
        WriteCurvePointSequence(job, 5, 90);
        WriteEmissionSequence(job, 2, 777);
        WriteTempCorrectionSequence(job, 1, 130);
        WriteTempBreakpointSequence(job, 4, 60);
    });
}

TEST(SimTransfer, FactoryResetSendsItsWholeSequenceAndTheControllerKeepsIt)
{
    SimRig rig;
    Scramble(rig);
    TransferParts parts(rig.link, rig.clock);
    ParameterTable& table = parts.table;
    ASSERT_TRUE(parts.transfer.ReadAll());
    ASSERT_EQ(table[54], 0x4000 + 7 * 54);
    table[ParameterTable::kShadow47] = 0xFFFF;
    const ParameterTable before = table;

    // What the reset should write: the factory values the simulator starts with, the
    // counters and words 54..63 as they are.
    std::array<quint16, 64> written{};
    for (const sim::ParameterStart& row : sim::ParameterStartTable())
        written[size_t(row.index)] = row.value;
    for (int i : {35, 36, 37, 38, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63})
        written[size_t(i)] = before.word(i);
    const quint16 word47 = 0x703E; // bits 0, 6..11 and 15 cleared

    rig.clock.setRecording(true);
    ASSERT_TRUE(parts.transfer.FactoryReset());
    EXPECT_EQ(rig.clock.trace(), FactoryResetTrace(written, word47));
    for (int i = 54; i <= 63; ++i)
        EXPECT_EQ(table[i], before[i]) << i;
    // The image holds the maps it sent, all of them known.
    const InjectionMaps& image = parts.image.Maps();
    EXPECT_TRUE(image.map.known.all() && image.points.known.all() && image.curve.known.all());
    EXPECT_EQ(image.map.Cell(11, 6), 115);
    EXPECT_EQ(image.curve.bytes[0], 115);
    EXPECT_EQ(image.points.values[6], 15);
    EXPECT_EQ(image.points.words, sim::DefaultMapPoints());

    rig.clock.setRecording(false);
    ASSERT_TRUE(parts.transfer.ReadAll());
    for (int i = 0; i < 64; ++i) {
        if (i < 35 || i > 38) {
            EXPECT_EQ(table.word(i), i == 47 ? word47 : written[size_t(i)]) << i;
        }
    }
    const MapReadout maps = ReadMaps(rig.cmds);
    for (int i = 0; i < kMapPoints; ++i)
        EXPECT_EQ(maps.points[size_t(i)], sim::DefaultMapPoints()[size_t(i)]) << i;
    for (const auto& row : maps.cells)
        for (const std::optional<quint8>& cell : row)
            EXPECT_EQ(cell, quint8(115));
    for (const std::optional<quint8>& point : maps.curve)
        EXPECT_EQ(point, quint8(115));
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(ReadEmissionWord(rig.cmds, quint8(i)), sim::DefaultEmissionBlock()[size_t(i)]) << i;
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(ReadTempCorrection(rig.cmds, quint8(k)), quint8(100)) << k;
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(ReadTempBreakpoint(rig.cmds, quint8(k)), sim::kDefaultTempBreakpoints[size_t(k)]) << k;
}

// Yes to the not-programmed question resets the controller before the refresh, which
// then finds the factory maps.
TEST(SimTransfer, UnprogrammedControllerIsResetOnYes)
{
    SimRig rig({.unprogrammed = true});
    Scramble(rig);
    rig.link.SendFrame(BuildFrame('K', 0));
    rig.link.SendFrame(BuildFrame('E', 0, 0x5555));
    rig.link.SendFrame(BuildFrame('D', 0, 0x5555));
    TransferParts parts(rig.link, rig.clock);
    parts.prompter.answers = {true};
    MapReadout maps;
    std::size_t framesAtRefresh = 0;
    parts.view.onRefresh = [&] {
        framesAtRefresh = rig.clock.frames().size();
        maps = ReadMaps(rig.cmds);
    };

    rig.clock.setRecording(true);
    ASSERT_TRUE(parts.transfer.ReadAll());

    ASSERT_EQ(parts.prompter.questions.size(), 1u);
    const QStringList frames = rig.clock.frames();
    EXPECT_EQ(frames.at(63), "d 3f 00 00");
    EXPECT_EQ(frames.at(64), "K 3f 00 00");
    const qsizetype marker = frames.indexOf("E 00 aa aa");
    ASSERT_GT(marker, 64);
    EXPECT_EQ(frames.at(marker - 1), "K 00 00 00");
    EXPECT_EQ(frames.at(marker + 1), "D 00 aa aa");
    EXPECT_EQ(frames.at(marker + 2).left(1), "F") << "the maps follow the write-all";
    EXPECT_EQ(framesAtRefresh, std::size_t(frames.size() - (17 + 84 + 12)));
    EXPECT_EQ(parts.view.refreshes, 1);
    EXPECT_EQ(maps.cells[0][0], quint8(115));
    EXPECT_EQ(maps.points[3], sim::DefaultMapPoints()[3]);

    rig.clock.setRecording(false);
    ASSERT_TRUE(parts.transfer.ReadAll());
    EXPECT_EQ(parts.prompter.questions.size(), 1u) << "the marker is set now";
    EXPECT_EQ(parts.table.word(0), 0xAAAA);
    EXPECT_EQ(parts.table[1], 115);
}

TEST(SimTransfer, MenuResetAsksThenResetsAndReadsBack)
{
    SimRig rig;
    Scramble(rig);
    TransferParts parts(rig.link, rig.clock);
    ASSERT_TRUE(parts.transfer.ReadAll());
    rig.clock.setRecording(true);

    parts.prompter.answers = {false};
    EXPECT_FALSE(parts.transfer.MenuReset());
    EXPECT_TRUE(rig.clock.frames().isEmpty());
    EXPECT_EQ(parts.table[1], 0x4000 + 7);

    parts.table[53] = 1234;
    parts.prompter.answers = {true};
    EXPECT_TRUE(parts.transfer.MenuReset());
    ASSERT_EQ(parts.prompter.questions.size(), 2u);
    EXPECT_EQ(parts.prompter.questions[1].caption, QStringLiteral("Reset Ustawień"));
    EXPECT_EQ(parts.prompter.questions[1].text, QStringLiteral("Czy dokonać resetu ustawień?"));
    const QStringList frames = rig.clock.frames();
    EXPECT_EQ(frames.first(), "K 3f 00 00");
    EXPECT_EQ(frames.last(), "d 3f 00 00");
    EXPECT_EQ(parts.table[1], 115) << "read back from the controller";
    EXPECT_EQ(parts.table[53], 0);
    EXPECT_EQ(parts.view.refreshes, 2);
}

} // namespace
} // namespace zantrel
