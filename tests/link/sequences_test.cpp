#include "link/CommandSet.h"
#include "link/EcuLink.h"
#include "link/JobRun.h"
#include "link/LinkGate.h"
#include "link/LinkJob.h"
#include "link/ReadSequences.h"
#include "link/StepTimer.h"
#include "link/VirtualClock.h"
#include "link/WriteSequences.h"

#include "support/ScriptedSerialIo.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

namespace zantrel {
namespace {

class SequenceTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(link.OpenPort()); }

    // Answers every request of the word shape as a controller would, with the value
    // index * 3; `mangle` may change a reply before it is delivered.
    void answerWords(char replyChar = 'd')
    {
        io.onWrite = [this, replyChar](const QByteArray& f) {
            ++requests[f.at(0)];
            const quint8 i = quint8(f.at(1));
            QByteArray reply;
            reply += replyChar;
            reply += char(i);
            reply += char(((i * 3) >> 8) & 0xFF);
            reply += char((i * 3) & 0xFF);
            reply += '\0';
            reply += ';';
            if (mangle)
                mangle(f, reply);
            if (!reply.isEmpty())
                io.deliver(reply, 300);
        };
    }

    VirtualClock clock;
    test::ScriptedSerialIo io{clock};
    EcuLink link{io, clock};
    EcuCommands cmds{link};
    std::function<void(const QByteArray& frame, QByteArray& reply)> mangle;
    std::map<char, int> requests;
};

TEST_F(SequenceTest, ParameterWriteHasItsPauses)
{
    WriteParameter(cmds, 0x2F, 0x0104, 10);
    EXPECT_EQ(clock.trace(), (QStringList{"10ms", "K 2f 00 00", "30ms", "E 2f 01 04", "20ms", "D 2f 01 04"}));
}

TEST_F(SequenceTest, WriteAllGoesDownAndEndsWithTheMarker)
{
    std::vector<qint32> values(68);
    for (int i = 0; i < 68; ++i)
        values[i] = i + 0x100;
    values[0] = 0; // the marker is written whatever slot 0 holds
    WriteAllParameters(cmds, values);

    const QStringList t = clock.trace();
    ASSERT_EQ(t.size(), 63 * 6 + 6);
    EXPECT_EQ(t.mid(0, 6), (QStringList{"K 3f 00 00", "30ms", "E 3f 01 3f", "20ms", "D 3f 01 3f", "20ms"}));
    EXPECT_EQ(t.mid(6, 1), QStringList{"K 3e 00 00"});
    EXPECT_EQ(t.mid(62 * 6, 6), (QStringList{"K 01 00 00", "30ms", "E 01 01 01", "20ms", "D 01 01 01", "20ms"}));
    EXPECT_EQ(t.mid(63 * 6), (QStringList{"K 00 00 00", "30ms", "E 00 aa aa", "30ms", "D 00 aa aa", "10ms"}));
}

// Every fixed write, run straight through and as a job through the gate from its step
// timer: both runners send the same frames with the same pauses.
TEST_F(SequenceTest, EveryWriteGivesTheSameFramesAndPausesThroughBothRunners)
{
    std::vector<qint32> values(68);
    for (int i = 0; i < 68; ++i)
        values[i] = i + 0x100;
    std::vector<quint16> carData(61);
    for (int i = 0; i < 61; ++i)
        carData[i] = quint16(0x4100 + i);

    struct Case {
        const char* name;
        std::function<void(LinkJob&)> build;
        QStringList trace; // empty: only the two runners are compared
    };
    const std::vector<Case> cases = {
        {"parameter", [](LinkJob& j) { WriteParameter(j, 0x2F, 0x0104, 10); },
         {"10ms", "K 2f 00 00", "30ms", "E 2f 01 04", "20ms", "D 2f 01 04"}},
        {"all parameters", [&](LinkJob& j) { WriteAllParameters(j, values); }, {}},
        {"map point", [](LinkJob& j) { WriteMapPointSequence(j, 4, 0x1234); },
         {"] 04 12 34", "10ms", "> 04 00 00", "20ms", "_ 04 12 34", "20ms"}},
        {"map point from the editor", [](LinkJob& j) { WriteMapPointSequence(j, 4, 0x1234, 30); },
         {"] 04 12 34", "10ms", "> 04 00 00", "20ms", "_ 04 12 34", "30ms"}},
        {"map cell", [](LinkJob& j) { WriteMapCellSequence(j, 2, 3, 0x70, 0x21, 0x7071); },
         {"F 02 03 70", "10ms", "> 21 00 00", "20ms", "_ 21 70 71", "20ms"}},
        {"curve point", [](LinkJob& j) { WriteCurvePointSequence(j, 3, 97); },
         {"! 03 03 61", "10ms", "4 03 00 00", "30ms", "7 03 00 61", "10ms"}},
        {"emission word", [](LinkJob& j) { WriteEmissionSequence(j, 2, -3); },
         {"Q 02 ff fd", "10ms", "4 1d 00 00", "30ms", "7 1d ff fd", "10ms"}},
        {"temperature breakpoint", [](LinkJob& j) { WriteTempBreakpointSequence(j, 4, 60); },
         {"% 04 04 3c", "10ms", "4 14 00 00", "30ms", "7 14 00 3c", "10ms"}},
        {"temperature correction", [](LinkJob& j) { WriteTempCorrectionSequence(j, 5, 110); },
         {"^ 05 05 6e", "10ms", "4 1a 00 00", "30ms", "7 1a 00 6e", "10ms"}},
        {"breakpoint beyond the table", [](LinkJob& j) { WriteTempBreakpointSequence(j, 5, 60); }, {}},
        {"correction beyond the table", [](LinkJob& j) { WriteTempCorrectionSequence(j, 6, 60); }, {}},
        {"extended word", [](LinkJob& j) { WriteExtendedWord(j, 61, 0xBEEF); },
         {"10ms", "M 3d 00 00", "30ms", "U 3d be ef", "10ms"}},
        {"car data", [&](LinkJob& j) { WriteCarDataBlock(j, carData); }, {}},
    };
    PauseStepTimer timer{clock};
    LinkGate gate{link, timer};
    for (const Case& c : cases) {
        clock.clearEvents();
        LinkJob straight;
        c.build(straight);
        EXPECT_EQ(RunJob(link, std::move(straight)), JobOutcome::Completed) << c.name;
        const QStringList direct = clock.trace();

        clock.clearEvents();
        LinkJob timed;
        c.build(timed);
        std::optional<JobOutcome> outcome;
        ASSERT_TRUE(gate.Start(std::move(timed), nullptr, [&](JobOutcome o) { outcome = o; })) << c.name;
        EXPECT_EQ(outcome, JobOutcome::Completed) << c.name;
        EXPECT_EQ(clock.trace(), direct) << c.name;
        if (!c.trace.isEmpty() || QByteArray(c.name).contains("beyond")) {
            EXPECT_EQ(direct, c.trace) << c.name;
        }
    }
}

TEST_F(SequenceTest, CarDataBlockWritesWordsZeroTo59)
{
    std::vector<quint16> words(61);
    for (int i = 0; i < 61; ++i)
        words[i] = quint16(0x4100 + i);
    RunSequence(cmds, [&](LinkJob& job) { WriteCarDataBlock(job, words); });
    const QStringList t = clock.trace();
    ASSERT_EQ(t.size(), 60 * 4);
    EXPECT_EQ(t.mid(0, 4), (QStringList{"30ms", "M 00 00 00", "30ms", "U 00 41 00"}));
    EXPECT_EQ(t.mid(59 * 4), (QStringList{"30ms", "M 3b 00 00", "30ms", "U 3b 41 3b"}));
}

TEST_F(SequenceTest, ParameterReadChecksTheIndexEcho)
{
    answerWords();
    mangle = [](const QByteArray& f, QByteArray& reply) {
        if (f.at(1) == 9)
            reply[1] = 10; // a stale reply for another index
        if (f.at(1) == 12)
            reply[5] = 'x';
        if (f.at(1) == 20)
            reply.clear();
    };
    io.deliver("stale", 0);
    std::vector<int> progress;
    auto read = std::make_shared<ParameterReadout>();
    LinkJob job;
    ReadParameterWords(job, read, [&](int i) { progress.push_back(i); });
    RunJob(link, std::move(job));
    const ParameterReadout& out = *read;

    const QStringList t = clock.trace();
    EXPECT_EQ(t.at(0), "20ms");
    EXPECT_EQ(t.at(1), "d 00 00 00");
    EXPECT_EQ(requests['d'], 64);
    EXPECT_EQ(progress.size(), 64u);
    for (int i = 0; i < 64; ++i) {
        if (i == 9 || i == 12 || i == 20)
            EXPECT_FALSE(out[i].has_value()) << i;
        else
            EXPECT_EQ(out[i], quint16(i * 3)) << i;
    }
}

TEST_F(SequenceTest, CountersReadInTheirOrder)
{
    answerWords();
    const auto out = ReadCounterWords(cmds);
    EXPECT_EQ(clock.frames(), (QStringList{"d 23 00 00", "d 24 00 00", "d 26 00 00", "d 25 00 00"}));
    EXPECT_EQ(clock.trace().at(0), "10ms");
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(out[k], quint16((35 + k) * 3));
}

TEST_F(SequenceTest, IdentifyAndExtendedWords)
{
    io.onWrite = [&](const QByteArray& f) {
        if (f.at(0) == 'I')
            io.deliver(QByteArray("I\x42\x27\x00;", 5), 200);
        if (f.at(0) == 'P')
            io.deliver(QByteArray("e", 1) + char(f.at(1) == 62 ? 63 : f.at(1)) + QByteArray("\x12\x34\x00;", 4), 200);
    };
    const auto id = ReadIdentify(cmds);
    ASSERT_TRUE(id.has_value());
    EXPECT_EQ(id->HardwareByte, 0x42);
    EXPECT_EQ(id->SoftwareByte, 0x27);
    EXPECT_EQ(clock.trace().at(0), "20ms");
    EXPECT_EQ(ReadExtendedWord(cmds, 61), quint16(0x1234));
    EXPECT_FALSE(ReadExtendedWord(cmds, 62).has_value());
}

TEST_F(SequenceTest, MapReadRetriesOnceThenKeepsThePreviousValue)
{
    answerWords();
    std::map<QByteArray, int> seen;
    mangle = [&](const QByteArray& f, QByteArray& reply) {
        const int n = ++seen[f.left(4)];
        if (f.at(0) == '}' && f.at(1) == 2 && n == 1)
            reply[0] = 'x'; // wrong first byte: asked again, good second reply used
        if (f.at(0) == 'L' && f.at(1) == 1 && f.at(2) == 0)
            reply.clear(); // never answered: stays absent after two tries
    };
    const MapReadout out = ReadMaps(cmds);
    EXPECT_EQ(requests['}'], 18);
    EXPECT_EQ(requests['L'], 85);
    EXPECT_EQ(requests['2'], 12);
    EXPECT_EQ(out.points[2], quint16(6));
    EXPECT_EQ(out.points[16], quint16(48));
    EXPECT_FALSE(out.cells[1][0].has_value());
    EXPECT_EQ(out.cells[11][6], quint8(11 * 3));
    EXPECT_EQ(out.curve[11], quint8(33));

    const QStringList frames = clock.frames();
    const int firstCell = int(frames.indexOf("L 00 00 00"));
    EXPECT_EQ(frames.at(firstCell + 1), "L 01 00 00");
    EXPECT_EQ(frames.at(firstCell + 2), "L 01 00 00");
    EXPECT_EQ(frames.at(firstCell + 13), "L 00 01 00"); // next column after rows 0..11
}

} // namespace
} // namespace zantrel
