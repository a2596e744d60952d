#include "image/ControllerIdentity.h"
#include "link/ReplyShapes.h"

#include <gtest/gtest.h>

#include <array>

namespace zantrel {
namespace {

std::array<quint8, 128> liveReply()
{
    std::array<quint8, 128> b{};
    b[0] = 'V';
    b[63] = 0x01;
    b[64] = 0x20;
    b[65] = 0x21;
    b[66] = ';';
    return b;
}

TEST(ReplyShapes, LiveFrame)
{
    auto good = liveReply();
    EXPECT_TRUE(LiveChecksumOk({good, true}));
    EXPECT_FALSE(LiveChecksumOk({good, false})) << "incomplete";

    auto badSum = good;
    badSum[65] = 0x22;
    EXPECT_TRUE(LiveFrameShapeOk({badSum, true}));
    EXPECT_FALSE(LiveChecksumOk({badSum, true}));

    auto badEnd = good;
    badEnd[66] = 0;
    EXPECT_FALSE(LiveFrameShapeOk({badEnd, true}));
    auto badStart = good;
    badStart[0] = 'v';
    EXPECT_FALSE(LiveFrameShapeOk({badStart, true}));

    std::array<quint8, 128> wrap;
    wrap.fill(0xFF);
    wrap[0] = 'V';
    wrap[66] = ';';
    wrap[65] = quint8((64 * 0xFF) & 0xFF);
    EXPECT_TRUE(LiveChecksumOk({wrap, true}));
}

TEST(ReplyShapes, ShortReplies)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        bool complete;
        bool identify, word, wordEcho5, extended, extendedEcho5;
    };
    const Case cases[] = {
        {"identify", QByteArray("I\x11\x22\x00;", 5), true, true, false, false, false, false},
        {"identify incomplete", QByteArray("I\x11\x22\x00;", 5), false, false, false, false, false, false},
        {"identify wrong end", QByteArray("I\x11\x22\x00:", 5), true, false, false, false, false, false},
        {"word echo 5", QByteArray("d\x05\x01\x02\x00;", 6), true, false, true, true, false, false},
        {"word echo 6", QByteArray("d\x06\x01\x02\x00;", 6), true, false, true, false, false, false},
        {"word terminator at 4", QByteArray("d\x05\x01\x02;\x00", 6), true, false, false, false, false, false},
        {"extended echo 5", QByteArray("e\x05\x01\x02\x00;", 6), true, false, false, false, true, true},
        {"extended echo 7", QByteArray("e\x07\x01\x02\x00;", 6), true, false, false, false, true, false},
        {"garbage", QByteArray("\xff\xff\xff\xff\xff\xff", 6), true, false, false, false, false, false},
    };
    for (const Case& c : cases) {
        std::array<quint8, 128> b{};
        std::copy(c.bytes.begin(), c.bytes.end(), b.begin());
        const Reply r{b, c.complete};
        EXPECT_EQ(AcceptIdentify(r), c.identify) << c.name;
        EXPECT_EQ(AcceptWord(r), c.word) << c.name;
        EXPECT_EQ(AcceptWord(r, 5), c.wordEcho5) << c.name;
        EXPECT_EQ(AcceptExtendedWord(r), c.extended) << c.name;
        EXPECT_EQ(AcceptExtendedWord(r, 5), c.extendedEcho5) << c.name;
    }
}

TEST(ReplyShapes, Values)
{
    std::array<quint8, 128> b{};
    b[2] = 0xFF;
    b[3] = 0xF6;
    EXPECT_EQ(ReplyWordValue({b, true}), 0xFFF6);
    EXPECT_EQ(ReplyByteValue({b, true}), 0xF6);
}

TEST(ControllerIdentity, CylinderRanges)
{
    struct Case { quint8 hw; int variant; const char* cylinders; };
    const Case cases[] = {{0x40, 1, "3-4"}, {0x63, 4, "5-6"}, {0x80, 1, "8"}, {0xC1, 2, "12"}};
    for (const Case& c : cases) {
        const ControllerIdentity id{c.hw, 0};
        EXPECT_EQ(id.variant(), c.variant) << int(c.hw);
        EXPECT_EQ(id.cylinders(), c.cylinders) << int(c.hw);
    }
}

} // namespace
} // namespace zantrel
