#include "SimRig.h"

#include "link/ReplyShapes.h"

#include <gtest/gtest.h>

namespace zantrel::sim::test {
namespace {

struct ShapeOf {
    ReplyShape shape;
    int length;
    char first;
    bool (*accept)(const Reply&, quint8 index);
};

constexpr ShapeOf kShapes[] = {
    {ReplyShape::None, 0, 0, nullptr},
    {ReplyShape::Live, 67, 'V', [](const Reply& r, quint8) { return LiveChecksumOk(r); }},
    {ReplyShape::Identify, 5, 'I', [](const Reply& r, quint8) { return AcceptIdentify(r); }},
    {ReplyShape::Word, 6, 'd', [](const Reply& r, quint8 i) { return AcceptWord(r, i); }},
    {ReplyShape::ExtendedWord, 6, 'e', [](const Reply& r, quint8 i) { return AcceptExtendedWord(r, i); }},
};

const ShapeOf& shapeOf(ReplyShape s)
{
    for (const ShapeOf& row : kShapes)
        if (row.shape == s)
            return row;
    return kShapes[0];
}

class SimCommands : public ::testing::TestWithParam<CommandSpec> {};

// Every command, with arguments inside every table: the reply has the shape and the
// exact length of the command table, and passes the caller's test when collected with
// the table's expected count (five for the short word reads).
TEST_P(SimCommands, AnswersWithTheShapeAndLengthOfTheTable)
{
    const CommandSpec& spec = GetParam();
    const ShapeOf& shape = shapeOf(spec.reply);
    constexpr quint8 kIndex = 1;
    SimRig rig;

    const QByteArray whole = rig.exchange(BuildFrame(spec.command, kIndex, kIndex, kIndex));
    ASSERT_EQ(whole.size(), shape.length) << spec.command;
    if (shape.length == 0)
        return;
    EXPECT_EQ(whole.front(), shape.first);
    EXPECT_EQ(whole.back(), ';');

    rig.link.SendFrame(BuildFrame(spec.command, kIndex, kIndex, kIndex));
    rig.link.CollectReply(quint32(spec.expectedCount));
    EXPECT_TRUE(shape.accept(rig.link.CurrentReply(), kIndex)) << spec.command;
}

// Named by the command byte in hex: several commands are punctuation.
INSTANTIATE_TEST_SUITE_P(EveryCommand, SimCommands, ::testing::ValuesIn(CommandTable().begin(), CommandTable().end()),
                         [](const auto& info) {
                             return "x" + QByteArray::number(quint8(info.param.command), 16).toStdString();
                         });

// Bytes that are no command of the table, and frames whose checksum is wrong, get no
// reply; the controller still answers the next good frame.
TEST(SimUnknownInput, IsIgnoredAndTheNextFrameIsAnswered)
{
    SimRig rig;
    CommandFrame badChecksum = BuildFrame('I');
    badChecksum.bytes[4] ^= 0xFF;
    for (const CommandFrame& f : {CommandFrame::Make('Z'), CommandFrame::Make('\0'), badChecksum})
        EXPECT_TRUE(rig.exchange(f).isEmpty()) << DescribeFrame(f.toByteArray()).toStdString();
    EXPECT_EQ(rig.exchange(BuildFrame('I')).size(), kIdentifyReplyLength);
}

} // namespace
} // namespace zantrel::sim::test
