#include "sim/ControllerModel.h"
#include "sim/FrameScanner.h"

#include "link/CommandSet.h"

#include <gtest/gtest.h>

#include <random>

namespace zantrel::sim::test {
namespace {

QByteArray bytesOf(const CommandFrame& f)
{
    return f.toByteArray();
}

struct ScanCase {
    const char* name;
    std::vector<QByteArray> chunks;
    std::vector<char> commands; // the frames found, in order
    friend void PrintTo(const ScanCase& c, std::ostream* os) { *os << c.name; }
};

class SimFrameScanner : public ::testing::TestWithParam<ScanCase> {};

TEST_P(SimFrameScanner, FindsExactlyTheGoodFrames)
{
    FrameScanner scanner;
    std::vector<char> found;
    for (const QByteArray& chunk : GetParam().chunks)
        for (const CommandFrame& f : scanner.feed(chunk))
            found.push_back(f.command());
    EXPECT_EQ(found, GetParam().commands);
}

const QByteArray kIdentify = bytesOf(BuildFrame('I'));
const QByteArray kRead = bytesOf(BuildFrame('d', 35));
const QByteArray kBadSum = QByteArray::fromHex("640500006a3b");
const QByteArray kNoTerminator = QByteArray::fromHex("4900000049ff");

INSTANTIATE_TEST_SUITE_P(
    Cases, SimFrameScanner,
    ::testing::Values(
        ScanCase{"OneFrame", {kIdentify}, {'I'}},
        ScanCase{"JunkBefore", {QByteArray(";;\x00\xff;", 5) + kIdentify}, {'I'}},
        ScanCase{"ByteByByte", {kRead.mid(0, 1), kRead.mid(1, 2), kRead.mid(3, 1), kRead.mid(4)}, {'d'}},
        ScanCase{"WrongChecksumSkipped", {kBadSum + kRead}, {'d'}},
        ScanCase{"MissingTerminatorSkipped", {kNoTerminator + kIdentify}, {'I'}},
        ScanCase{"FrameInsideABadOne", {kIdentify.left(3) + kRead + kIdentify}, {'d', 'I'}},
        ScanCase{"BackToBack", {kIdentify + kRead + kIdentify}, {'I', 'd', 'I'}},
        ScanCase{"HalfAFrameWaits", {kRead.left(5)}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

// Random bytes with good frames planted among them, fed in random-sized pieces: every
// planted frame is found, in order, and at most five bytes are ever held back.
TEST(SimFrameScannerNoise, FindsThePlantedFramesInNoise)
{
    std::mt19937 random(20240517);
    std::uniform_int_distribution<int> byte(0, 255);
    QByteArray stream;
    std::vector<QByteArray> planted;
    for (int i = 0; i < 2000; ++i) {
        for (int n = byte(random) % 40; n > 0; --n)
            stream.append(char(byte(random)));
        planted.push_back(bytesOf(BuildFrame('d', i % 64)));
        stream.append(planted.back());
    }
    FrameScanner scanner;
    std::vector<QByteArray> found;
    for (qsizetype at = 0; at < stream.size();) {
        const qsizetype n = 1 + byte(random) % 64;
        for (const CommandFrame& f : scanner.feed(stream.mid(at, n)))
            found.push_back(bytesOf(f));
        at += n;
    }
    size_t next = 0;
    for (const QByteArray& f : found)
        if (next < planted.size() && f == planted[next])
            ++next;
    EXPECT_EQ(next, planted.size());
    EXPECT_LT(stream.size() - qsizetype(found.size()) * 6 - scanner.skippedBytes(), 6);
}

// Any frame that passes the checks may reach the controller: every command byte with
// random arguments gets either nothing or a reply of a proper shape.
TEST(SimFrameScannerNoise, TheControllerTakesAnyFrame)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    ControllerModel model;
    for (int command = 0; command < 256; ++command) {
        for (int i = 0; i < 50; ++i) {
            const CommandFrame f = CommandFrame::Make(char(command), quint8(byte(random)), quint8(byte(random)),
                                                      quint8(byte(random)));
            const QByteArray reply = model.handle(f);
            const CommandSpec* spec = FindCommand(char(command));
            if (!spec || spec->reply == ReplyShape::None) {
                EXPECT_TRUE(reply.isEmpty()) << command;
                continue;
            }
            ASSERT_FALSE(reply.isEmpty()) << command;
            EXPECT_EQ(reply.back(), ';');
        }
        model.advanceMs(10);
    }
}

} // namespace
} // namespace zantrel::sim::test
