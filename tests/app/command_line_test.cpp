#include "app/CommandLineOptions.h"

#include <gtest/gtest.h>

using namespace zantrel;

namespace {

CommandLineParse parse(QStringList args)
{
    args.prepend(QStringLiteral("zantrel"));
    return ParseCommandLine(args);
}

} // namespace

TEST(CommandLine, NoOptionsLeaveEverythingUnset)
{
    const CommandLineParse p = parse({});
    EXPECT_TRUE(p.error.isEmpty());
    EXPECT_FALSE(p.options.port);
    EXPECT_FALSE(p.options.autodetect);
    EXPECT_FALSE(p.options.quitAfterMs);
    EXPECT_TRUE(p.options.settingsFile.isEmpty());
    EXPECT_TRUE(p.options.workDir.isEmpty());
    EXPECT_FALSE(p.options.service);
    EXPECT_FALSE(p.options.replay);
}

// The player's controls are hidden ones, so a replay shows the service features too.
TEST(CommandLine, ServiceAndReplay)
{
    EXPECT_TRUE(parse({"--service"}).options.service);
    const CommandLineParse replay = parse({"--replay", "drive.jovr"});
    ASSERT_TRUE(replay.error.isEmpty()) << replay.error.toStdString();
    EXPECT_EQ(replay.options.replay, QStringLiteral("drive.jovr"));
    EXPECT_TRUE(replay.options.service);
}

TEST(CommandLine, EveryOptionIsTaken)
{
    const CommandLineParse p = parse({"--port", "/tmp/ttyECU", "--settings", "s.ini", "--workdir",
                                      "/tmp/w", "--autodetect", "yes", "--quit-after", "300"});
    ASSERT_TRUE(p.error.isEmpty()) << p.error.toStdString();
    EXPECT_EQ(p.options.port, QStringLiteral("/tmp/ttyECU"));
    EXPECT_EQ(p.options.settingsFile, QStringLiteral("s.ini"));
    EXPECT_EQ(p.options.workDir, QStringLiteral("/tmp/w"));
    EXPECT_EQ(p.options.autodetect, true);
    EXPECT_EQ(p.options.quitAfterMs, 300);

    EXPECT_EQ(parse({"--autodetect=no"}).options.autodetect, false);
    EXPECT_EQ(parse({"--quit-after", "0"}).options.quitAfterMs, 0);
}

TEST(CommandLine, BadArgumentsAreRejectedWithAMessage)
{
    const QStringList cases[] = {
        {"--autodetect", "maybe"},
        {"--autodetect", "YES"},
        {"--quit-after", "-5"},
        {"--quit-after", "soon"},
        {"--quit-after", "99999999999"},
        {"--quit-after"},
        {"--port", ""},
        {"--settings="},
        {"--workdir", ""},
        {"--replay"},
        {"--replay", ""},
        {"--colour", "red"},
        {"extra.qevp"},
    };
    for (const QStringList& args : cases) {
        const CommandLineParse p = parse(args);
        EXPECT_FALSE(p.error.isEmpty()) << args.join(' ').toStdString();
    }
}

TEST(CommandLine, HelpIsRecognised)
{
    const CommandLineParse p = parse({"--help"});
    EXPECT_TRUE(p.error.isEmpty());
    EXPECT_TRUE(p.helpRequested);
    EXPECT_TRUE(p.helpText.contains(QStringLiteral("--quit-after")));
}
