#include "app/RegistrySettings.h"
#include "app/SettingsFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace zantrel {
namespace {

void writeRaw(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray readRaw(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(LanguageFile, FirstByteChoosesTheLanguage)
{
    struct Case { const char* name; std::optional<QByteArray> content; std::optional<int> code; };
    const Case cases[] = {
        {"missing", std::nullopt, 1},
        {"english", QByteArray("\x02", 1), 2},
        {"unused code 13 is passed on", QByteArray("\x0d", 1), 13},
        {"empty", QByteArray(), std::nullopt},
        {"only the first byte counts", QByteArray("\x04\x02", 2), 4},
        {"digit character is a raw byte", QByteArray("2"), 0x32},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        if (c.content)
            writeRaw(dir.filePath("jezyk.txt"), *c.content);
        EXPECT_EQ(LoadLanguageCode(dir.path()), c.code) << c.name;
    }
}

TEST(LanguageFile, AFileThatCannotBeOpenedForWritingCountsAsMissing)
{
    QTemporaryDir dir;
    // A folder in the file's place cannot be opened, whatever the user's rights.
    ASSERT_TRUE(QDir(dir.path()).mkdir("jezyk.txt"));
    EXPECT_EQ(LoadLanguageCode(dir.path()), 1);
    EXPECT_FALSE(SaveLanguageCode(dir.path(), 2));
}

TEST(LanguageFile, AReadOnlyFileCountsAsMissing)
{
    QTemporaryDir other;
    const QString path = other.filePath("jezyk.txt");
    writeRaw(path, QByteArray("\x02", 1));
    QFile::setPermissions(path, QFile::ReadOwner);
    if (QFileInfo(path).isWritable())
        GTEST_SKIP() << "running with rights that ignore file permissions";
    EXPECT_EQ(LoadLanguageCode(other.path()), 1);
}

TEST(LanguageFile, SaveWritesOneRawByte)
{
    QTemporaryDir dir;
    writeRaw(dir.filePath("jezyk.txt"), "longer content");
    ASSERT_TRUE(SaveLanguageCode(dir.path(), 14));
    EXPECT_EQ(readRaw(dir.filePath("jezyk.txt")), QByteArray("\x0e", 1));
}

TEST(ResolutionFile, StoredByteAndScreenWidthChooseTheLayout)
{
    using R = Resolution;
    struct Case { std::optional<int> stored; int screen; std::optional<R> chosen; };
    const Case cases[] = {
        {0, 1920, R::R800x600},
        {1, 1920, R::R1024x768},
        {1, 800, R::R800x600},
        {2, 1920, R::R1280x1024},
        {2, 1024, R::R1024x768},
        {2, 800, R::R800x600},
        {3, 1920, std::nullopt},
        {std::nullopt, 1920, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseResolution(c.stored, Allows1024(c.screen), Allows1280(c.screen)), c.chosen)
            << (c.stored ? *c.stored : -1) << " on " << c.screen;
}

TEST(ResolutionFile, MissingCountsAsZeroAndEmptyAsNothing)
{
    QTemporaryDir dir;
    EXPECT_EQ(LoadResolutionByte(dir.path()), 0);
    writeRaw(dir.filePath("rozdz.txt"), QByteArray());
    EXPECT_EQ(LoadResolutionByte(dir.path()), std::nullopt);
    ASSERT_TRUE(SaveResolution(dir.path(), Resolution::R1280x1024));
    EXPECT_EQ(readRaw(dir.filePath("rozdz.txt")), QByteArray("\x02", 1));
    EXPECT_EQ(LoadResolutionByte(dir.path()), 2);
}

TEST(SettingsStore, MissingValuesGetTheirDefaultsWritten)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("qev.conf");
    {
        RegistrySettings store(ini);
        const auto loaded = store.LoadRegistrySettings();
        EXPECT_TRUE(loaded.spaceBG);
        EXPECT_FALSE(loaded.lastPortNumber.has_value());
        EXPECT_EQ(loaded.problem, RegistrySettings::Problem::None);
    }
    const QByteArray text = readRaw(ini);
    EXPECT_TRUE(text.contains("NrOstatniegoComa=8")) << text.constData();
    EXPECT_TRUE(text.contains("SpaceBG=1")) << text.constData();
}

// A stored port number is never replaced: beyond the chooser's 256 it is still the last
// port, and one that names no port leaves the start value in use.
TEST(SettingsStore, ValuesSurviveAndAStoredPortNumberIsKept)
{
    struct Case { const char* stored; std::optional<int> port; };
    const Case cases[] = {{"15", 15}, {"256", 256}, {"0", std::nullopt}, {"257", 257},
                          {"1000", 1000}, {"abc", std::nullopt}};
    for (const Case& c : cases) {
        QTemporaryDir dir;
        const QString ini = dir.filePath("qev.conf");
        writeRaw(ini, QByteArray("[General]\nNrOstatniegoComa=") + c.stored + "\nSpaceBG=0\n");
        {
            RegistrySettings store(ini);
            const auto loaded = store.LoadRegistrySettings();
            EXPECT_EQ(loaded.lastPortNumber, c.port) << c.stored;
            EXPECT_FALSE(loaded.spaceBG) << c.stored;
        }
        EXPECT_TRUE(readRaw(ini).contains(QByteArray("NrOstatniegoComa=") + c.stored)) << c.stored;
    }
}

TEST(SettingsStore, TogglingSpaceBGTwiceRestoresIt)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("qev.conf");
    RegistrySettings(ini).LoadRegistrySettings();
    bool on = true;
    for (int i = 0; i < 2; ++i) {
        on = !on;
        EXPECT_EQ(RegistrySettings(ini).SaveSpaceBG(on), RegistrySettings::Problem::None);
    }
    EXPECT_TRUE(RegistrySettings(ini).LoadRegistrySettings().spaceBG);
    EXPECT_EQ(RegistrySettings(ini).SaveLastPort(12), RegistrySettings::Problem::None);
    EXPECT_EQ(RegistrySettings(ini).LoadRegistrySettings().lastPortNumber, 12);
}

TEST(SettingsStore, AnUnwritableStoreIsReported)
{
    QTemporaryDir dir;
    // A file where the store's folder should be: the store cannot be created.
    writeRaw(dir.filePath("blocked"), "x");
    RegistrySettings store(dir.filePath("blocked/qev.conf"));
    const auto loaded = store.LoadRegistrySettings();
    EXPECT_EQ(loaded.problem, RegistrySettings::Problem::Unwritable);
    EXPECT_TRUE(loaded.spaceBG);
    EXPECT_FALSE(loaded.lastPortNumber.has_value());
    EXPECT_EQ(store.SaveLastPort(12), RegistrySettings::Problem::Unwritable);
}

} // namespace
} // namespace zantrel
