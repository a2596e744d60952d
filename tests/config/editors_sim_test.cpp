#include "config/ParameterEditors.h"
#include "config/ParameterTransfer.h"
#include "image/ControllerIdentity.h"
#include "image/ParameterTable.h"
#include "link/CommandSet.h"
#include "link/ReadSequences.h"
#include "link/WriteSequences.h"
#include "live/LiveConversions.h"
#include "sim/SimRig.h"

#include "EditorParts.h"
#include "FakeEditorScreen.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace zantrel {
namespace {

using test::EditorParts;
using test::FramesOf;
using test::kComma;
using test::WordWrite;

// The controller's words as they are, but for `changes` (word, value), written back.
void ChangeControllerWords(EcuCommands& cmds, std::initializer_list<std::pair<int, qint32>> changes)
{
    const ParameterReadout before = ReadParameterWords(cmds);
    std::array<qint32, 64> words{};
    for (int i = 0; i < 64; ++i)
        words[size_t(i)] = before[size_t(i)].value_or(0);
    for (const auto& [index, value] : changes)
        words[size_t(index)] = value;
    WriteAllParameters(cmds, words);
}

// Every word reply with another index than the one asked for: the read-all shows nothing
// as read and writes nothing back, so connecting changes nothing on the controller.
TEST(EditorsOnTheSimulator, AReadThatGetsNoWordWritesNothing)
{
    sim::test::SimRig rig({}, sim::test::Line([](auto& o) { o.faults = {{sim::FaultMode::WrongEcho}}; }));
    rig.clock.setRecording(true);
    EditorParts parts(rig.link, rig.clock);
    ASSERT_TRUE(parts.transfer.ReadAll());

    const QStringList frames = rig.clock.frames();
    EXPECT_EQ(frames.size(), 2 * 64) << "each word asked for twice, nothing else";
    EXPECT_TRUE(frames.filter(QRegularExpression(QStringLiteral("^[KED] "))).isEmpty());
    EXPECT_TRUE(parts.screen["EditMinTempPrzel"].text.isEmpty());
    EXPECT_EQ(parts.table.KnownCount(), 0);
}

TEST(EditorsOnTheSimulator, ARefreshAfterAReadLeavesVacuumAndTheLoadRpmMapInTheController)
{
    sim::test::SimRig rig;
    ChangeControllerWords(rig.cmds, {{22, 0x0020}, {47, 0x8008}}); // vacuum bit clear; map kind 2, CNG

    EditorParts parts(rig.link, rig.clock);
    ASSERT_TRUE(parts.transfer.ReadAll());

    const ParameterReadout after = ReadParameterWords(rig.cmds);
    ASSERT_TRUE(after[22] && after[47]);
    EXPECT_EQ(*after[22] & 0x8000, 0x8000);
    EXPECT_EQ((*after[47] >> 2) & 3, 1);
    EXPECT_EQ(*after[47] & 0x8000, 0x8000) << "the other bits are kept";
    EXPECT_EQ(parts.screen["ComboBoxCNGLPG"].item, 1);
    EXPECT_EQ(parts.screen["ComboBoxSzkielkoRezerwy"].items.size(), 2);

    // A change in an editor is in the controller at once.
    parts.screen["EditRPMprzelNaLPG"].text = QStringLiteral("2000");
    parts.editors.Exit(u"EditRPMprzelNaLPG");
    EXPECT_EQ(ReadParameterWords(rig.cmds)[14], quint16(RpmToPeriod(2000, 2)));
}

// A read shows every word. Leaving any control, or Enter in it, then sends nothing: the
// texts are what the controller holds, and written back from their rounding they would
// change it (word 2 610 -> 599, word 18 1100 -> 1101, word 24 1152 -> 1156). The same
// texts typed again are all numbers of their edits, with either separator.
TEST(EditorsOnTheSimulator, AfterARefreshMovingTheFocusSendsNothing)
{
    sim::test::SimRig rig;
    // -5 °C and 36,0 % in digits edits, -0,04 ms.
    ChangeControllerWords(rig.cmds, {{5, 0xFFFB}, {6, 540}, {3, 0xFFF6}});

    for (const Separators separators : {kComma, Separators{u'.', u','}}) {
        EditorParts parts(rig.link, rig.clock, separators);
        ASSERT_TRUE(parts.transfer.ReadAll());
        EXPECT_EQ(parts.screen["EditMinTempPrzel"].text, QStringLiteral("-5"));
        EXPECT_EQ(parts.screen["EditProcentowePodtrzymanie"].text, QStringLiteral("36") + separators.decimal + u'0');
        EXPECT_EQ(parts.screen["EditCisnienieWylaczenia"].text, QStringLiteral("1") + separators.decimal + QStringLiteral("15"));
        parts.prompter.notices.clear();
        rig.clock.setRecording(true);
        rig.clock.clearEvents();

        std::vector<QString> controls;
        for (const EditorMember& m : EditorMembers())
            controls.push_back(QString::fromLatin1(m.control));
        for (const TwinControl& t : TwinControls())
            controls.push_back(QString::fromLatin1(t.twin));
        for (const QString& control : controls) {
            parts.editors.Enter(control);
            parts.editors.Exit(control);
            parts.editors.KeyUpEnter(control);
        }
        EXPECT_EQ(rig.clock.frames(), QStringList()) << separators.decimal.toLatin1();
        EXPECT_TRUE(parts.prompter.notices.empty());

        for (const EditorMember& m : EditorMembers()) {
            if (m.entry == EntryKind::None)
                continue;
            parts.screen[m.control].typed = true;
            parts.editors.Exit(QString::fromLatin1(m.control));
        }
        for (const test::ScriptedPrompter::Box& n : parts.prompter.notices)
            ADD_FAILURE() << n.text.toStdString();
        EXPECT_FALSE(rig.clock.frames().isEmpty()) << "texts typed again are written";
        rig.clock.setRecording(false);
    }
}

} // namespace
} // namespace zantrel
