#include "base/LanguageStrings.h"
#include "config/ParameterFile.h"
#include "config/ParameterFileComparison.h"
#include "config/ParameterFiles.h"
#include "config/ParameterTransfer.h"
#include "config/QuietTransferView.h"
#include "image/ControllerImage.h"
#include "image/ParameterWordIndex.h"
#include "link/JobRun.h"
#include "link/LinkGate.h"
#include "link/LinkJob.h"
#include "link/ReadSequences.h"
#include "link/StepTimer.h"
#include "live/LiveConversions.h"
#include "maps/MapTransfer.h"
#include "sim/Faults.h"
#include "sim/SimRig.h"

#include "ExpectedTrace.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>

namespace zantrel {
namespace {

using sim::test::SimRig;

// A file whose every byte says where it stands.
QByteArray countingBytes(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + 3) & 0xFF);
    return bytes;
}

TEST(ParameterFileCodec, WordsHighFirstPointsLowFirstCellsByRow)
{
    ParameterTable table;
    table[4] = 65516;
    table[49] = -20;
    table[ParameterTable::kShadow22] = 0x7777; // shadows are not stored
    InjectionMaps maps;
    maps.points.words[6] = 0x0171;
    maps.map.Set(2, 3, 0x9A);
    maps.curve.bytes[11] = 0x55;
    const QByteArray bytes = EncodeParameterFile(ParameterFileOf(table, maps));

    ASSERT_EQ(bytes.size(), 258);
    const struct {
        int offset;
        int byte;
    } expected[] = {
        {8, 0xFF},  {9, 0xEC},           // word 4
        {98, 0xFF}, {99, 0xEC},          // word 49
        {140, 0x71}, {141, 0x01},        // point 6
        {162 + 3 + 7 * 2, 0x9A},         // column 3, row 2
        {257, 0x55},                     // curve point 11
    };
    for (const auto& e : expected)
        EXPECT_EQ(quint8(bytes[e.offset]), e.byte) << e.offset;
    EXPECT_EQ(bytes.count('\0'), 258 - 8);

    const std::optional<ParameterFileData> back = DecodeParameterFile(bytes);
    ASSERT_TRUE(back);
    ParameterTable loaded;
    StoreFileWords(*back, loaded);
    EXPECT_EQ(loaded[49], -20);
    EXPECT_EQ(loaded[4], 65516);
    EXPECT_EQ(loaded[ParameterTable::kShadow22], 0);
    EXPECT_EQ(back->points[6], 0x0171);
}

TEST(ParameterFileCodec, AnyFullFileRoundTripsAndOnlyItsFirst258BytesCount)
{
    const QByteArray exact = countingBytes(258);
    const std::optional<ParameterFileData> data = DecodeParameterFile(exact);
    ASSERT_TRUE(data);
    EXPECT_EQ(EncodeParameterFile(*data), exact);

    QByteArray longer = exact + QByteArray(42, '\xEE');
    EXPECT_EQ(DecodeParameterFile(longer), data);

    for (const int size : {0, 1, 128, 257})
        EXPECT_FALSE(DecodeParameterFile(countingBytes(size))) << size;
}

class ParameterFileOnDisk : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }

    QTemporaryDir dir;
    LanguageStrings texts;
};

TEST_F(ParameterFileOnDisk, ReadTellsWhyAFileCannotBeUsed)
{
    const struct {
        QString path;
        Text message;
    } bad[] = {
        {dir.filePath(QStringLiteral("none.qevp")), Text::FileOperationFailed},
        {dir.path(), Text::FileOperationFailed},
        {write(QStringLiteral("short.qevp"), countingBytes(257)), Text::FileTooShort},
        {write(QStringLiteral("empty.qevp"), {}), Text::FileTooShort},
    };
    for (const auto& b : bad) {
        const ParameterFileRead r = ReadParameterFile(b.path, texts);
        EXPECT_FALSE(r.data) << b.path.toStdString();
        EXPECT_EQ(r.error, texts[b.message]) << b.path.toStdString();
    }
    const ParameterFileRead good = ReadParameterFile(write(QStringLiteral("long.qevp"), countingBytes(300)), texts);
    ASSERT_TRUE(good.data);
    EXPECT_EQ(*good.data, *DecodeParameterFile(countingBytes(258)));
}

TEST_F(ParameterFileOnDisk, ANameWithoutExtensionGetsQevp)
{
    EXPECT_EQ(WithParameterExtension(QStringLiteral("/p/auto")), QStringLiteral("/p/auto.qevp"));
    EXPECT_EQ(WithParameterExtension(QStringLiteral("/p/auto.qevp")), QStringLiteral("/p/auto.qevp"));
    EXPECT_EQ(WithParameterExtension(QStringLiteral("/p.d/auto")), QStringLiteral("/p.d/auto.qevp"));
}

// ---- the comparison ----

struct ControllerSide {
    ParameterTable table;
    InjectionMaps maps;
};

// A controller that holds `file` exactly, everything read.
ControllerSide holding(const ParameterFileData& file)
{
    ControllerSide c{FileTable(file), {}};
    for (int i = 0; i < ParameterTable::kWords; ++i)
        c.table.StoreReceived(i, i == kMarkerWord ? kProgrammedMarker : file.words[size_t(i)]);
    StoreFileMaps(file, c.maps, true);
    return c;
}

ParameterFileData sampleFile()
{
    ParameterFileData f = *DecodeParameterFile(EncodeParameterFile({}));
    f.words[kIgnitionTypeWord] = 2; // "4 Cyl."
    f.words[2] = 610;
    f.words[14] = quint16(RpmToPeriod(1500, 2));
    f.words[49] = quint16(-20);
    f.cells.fill(115);
    f.curve.fill(100);
    return f;
}

TEST(ParameterFileComparison, ListsEachChangedWordInItsUnitAndCountsTheMaps)
{
    const LanguageStrings texts;
    const ParameterFileData file = sampleFile();

    ControllerSide same = holding(file);
    const ParameterFileComparison identical = CompareParameterFile(same.table, same.maps, file, texts, u',');
    EXPECT_TRUE(identical.Identical());
    EXPECT_EQ(ComparisonLines(identical, texts), QStringList{texts[Text::FileSameAsController]});

    ControllerSide oneWord = holding(file);
    oneWord.table[49] = -10;
    oneWord.table[36] += 7; // the counters are the controller's and stay
    const ParameterFileComparison word = CompareParameterFile(oneWord.table, oneWord.maps, file, texts, u',');
    ASSERT_EQ(word.words.size(), 1u);
    EXPECT_EQ(word.words[0].label, QStringLiteral("Wyl. od niskiej temp. gazu"));
    EXPECT_EQ(word.words[0].controller, QStringLiteral("-10 °C"));
    EXPECT_EQ(word.words[0].file, QStringLiteral("-20 °C"));
    EXPECT_EQ(word.cells + word.points + word.curvePoints, 0);

    // A difference the shown unit rounds away is told by the raw words.
    ControllerSide rounded = holding(file);
    rounded.table[2] = 609;
    const ParameterFileComparison close = CompareParameterFile(rounded.table, rounded.maps, file, texts, u',');
    ASSERT_EQ(close.words.size(), 1u);
    EXPECT_NE(close.words[0].controller, close.words[0].file);
    EXPECT_TRUE(close.words[0].file.endsWith(QStringLiteral("(610)")));

    ControllerSide mapsOnly = holding(file);
    mapsOnly.maps.map.Set(3, 4, 125);
    mapsOnly.maps.map.Set(11, 6, 90);
    mapsOnly.maps.points.words[6] = 0x0171;
    mapsOnly.maps.curve.known.reset(5); // not read: the file's value would replace it
    const ParameterFileComparison maps = CompareParameterFile(mapsOnly.table, mapsOnly.maps, file, texts, u',');
    EXPECT_TRUE(maps.words.empty());
    EXPECT_EQ(maps.cells, 2);
    EXPECT_EQ(maps.points, 1);
    EXPECT_EQ(maps.curvePoints, 1);
    EXPECT_EQ(ComparisonLines(maps, texts), QStringList{texts[Text::FileMapDifferences].arg(2).arg(1).arg(1)});

    // Words the program has not read show as such, and count.
    ControllerSide unread = holding(file);
    unread.table.ForgetKnown();
    const ParameterFileComparison none = CompareParameterFile(unread.table, unread.maps, file, texts, u',');
    ASSERT_EQ(none.words.size(), 64u);
    EXPECT_EQ(none.words[14].controller, QStringLiteral("?"));
    EXPECT_EQ(none.words[14].file, QStringLiteral("1500 obr./min"));
}

// ---- the menu's operations on the simulated controller ----

class ScriptedFilesView final : public ParameterFilesView {
public:
    std::optional<QString> SavePath(const QString& folder) override
    {
        dialogFolders << folder;
        return savePath;
    }
    std::optional<QString> OpenPath(const QString& folder) override
    {
        dialogFolders << folder;
        return openPath;
    }
    bool FormComplete() const override { return complete; }
    bool ConfirmLoad(const QStringList& differences) override
    {
        shown.push_back(differences);
        return confirm;
    }
    void RefreshScreen() override { ++refreshes; }
    void SetProgressMaximum(int maximum) override { maxima.push_back(maximum); }
    void SetProgressPosition(int) override {}
    void ShowNote(const QString& text) override { notes << text; }

    std::optional<QString> savePath;
    std::optional<QString> openPath;
    bool complete = true;
    bool confirm = true;
    QStringList dialogFolders;
    std::vector<QStringList> shown;
    int refreshes = 0;
    std::vector<int> maxima;
    QStringList notes;
};

struct FilesRig {
    explicit FilesRig(const sim::LineOptions& line = {})
        : rig({}, line)
        , stepTimer(rig.clock)
        , gate(rig.link, stepTimer)
        , transfer(gate, image, transferView, prompter, texts)
        , files(gate, image, transfer, view, prompter, texts, dir.filePath(QStringLiteral("parametry")), u',')
    {
    }

    // What the controller holds now, read as the program reads it.
    ParameterFileData controller()
    {
        ControllerImage read;
        const ParameterReadout words = ReadAllParameterWords(rig.cmds);
        for (int i = 0; i < ParameterTable::kWords; ++i)
            read.Parameters().StoreReceived(i, words[size_t(i)].value_or(0));
        const MapReadout maps = ReadMaps(rig.cmds);
        ParameterFileData data = ParameterFileOf(read.Parameters(), read.Maps());
        for (int k = 0; k < kMapPoints; ++k)
            data.points[size_t(k)] = maps.points[size_t(k)].value_or(0);
        for (int r = 0; r < kMapRows; ++r)
            for (int c = 0; c < kMapColumns; ++c)
                data.cells[size_t(LoadRpmMap::Index(r, c))] = maps.cells[size_t(r)][size_t(c)].value_or(0);
        for (int k = 0; k < kCurvePoints; ++k)
            data.curve[size_t(k)] = maps.curve[size_t(k)].value_or(0);
        return data;
    }

    // The image as a read-all and a map read leave it.
    void readImage()
    {
        ASSERT_TRUE(transfer.ReadAll());
        LinkJob job;
        AddMapRead(job, image.Maps(), PointCodingOf(image.Parameters()), {}, std::make_shared<MapTransferReport>());
        ASSERT_EQ(RunJob(rig.link, std::move(job)), JobOutcome::Completed);
    }

    QString writeFile(const ParameterFileData& data)
    {
        const QString path = dir.filePath(QStringLiteral("auto.qevp"));
        EXPECT_TRUE(WriteParameterFile(path, data));
        return path;
    }

    QTemporaryDir dir;
    SimRig rig;
    PauseStepTimer stepTimer;
    LinkGate gate;
    ControllerImage image;
    QuietTransferView transferView;
    test::ScriptedPrompter prompter;
    LanguageStrings texts;
    ParameterTransfer transfer;
    ScriptedFilesView view;
    ParameterFiles files;
};

// The file as a fitter changes it: a word, a cell, an axis point and a curve point.
ParameterFileData edited(ParameterFileData data)
{
    data.words[2] += 40;
    data.words[49] = quint16(-10);
    data.cells[size_t(LoadRpmMap::Index(3, 4))] = 125;
    data.points[6] = 0x0171;
    data.curve[5] = 90;
    return data;
}

QStringList loadTrace(const ParameterFileData& f, const std::array<quint16, 64>& words)
{
    test::ExpectedTrace t;
    const auto points = [&] {
        for (int k = 0; k < 17; ++k) {
            t.wordFrame(']', k, f.points[size_t(k)]);
            t.pause(10);
            t.frame('>', k, 0, 0);
            t.pause(20);
            t.wordFrame('_', k, f.points[size_t(k)]);
            t.pause(30);
        }
    };
    points();
    for (int k = 0; k < 12; ++k) {
        t.frame('!', k, k, f.curve[size_t(k)]);
        t.secondBank(k, f.curve[size_t(k)]);
    }
    for (int c = 6; c >= 0; --c) {
        for (int r = 11; r >= 0; --r) {
            const int pairWord = 18 + (12 * c + r) / 2;
            const int upper = r & ~1;
            t.frame('F', r, c, f.cells[size_t(upper * 7 + c + (r - upper) * 7)]);
            t.pause(10);
            t.frame('>', pairWord, 0, 0);
            t.pause(20);
            t.wordFrame('_', pairWord, f.cells[size_t(upper * 7 + c)] << 8 | f.cells[size_t((upper + 1) * 7 + c)]);
            t.pause(20);
        }
    }
    points();
    for (int i = 63; i >= 0; --i) {
        const int value = i == 0 ? 0xAAAA : words[size_t(i)];
        t.frame('K', i, 0, 0);
        t.pause(30);
        t.wordFrame('E', i, value);
        t.pause(i == 0 ? 30 : 20);
        t.wordFrame('D', i, value);
        t.pause(i == 0 ? 10 : 20);
    }
    return t.steps;
}

TEST(ParameterFilesLoad, SaveLoadRoundTripsAndTheLoadSendsTheFileInItsOrder)
{
    FilesRig r;
    r.readImage();
    r.view.savePath = r.dir.filePath(QStringLiteral("parametry/auto"));
    ASSERT_TRUE(r.files.Save());
    EXPECT_EQ(r.view.dialogFolders, QStringList{r.dir.filePath(QStringLiteral("parametry"))});
    const QString saved = r.dir.filePath(QStringLiteral("parametry/auto.qevp"));
    const ParameterFileRead original = ReadParameterFile(saved, r.texts);
    ASSERT_TRUE(original.data);
    EXPECT_EQ(*original.data, r.controller());
    QFile savedFile(saved);
    ASSERT_TRUE(savedFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(savedFile.readAll(), EncodeParameterFile(ParameterFileOf(r.image.Parameters(), r.image.Maps())));

    const ParameterFileData changed = edited(*original.data);
    const QString path = r.writeFile(changed);
    r.rig.clock.setRecording(true);
    ASSERT_TRUE(r.files.LoadAndProgramFrom(path));

    // The comparison named the word that differs and counted the map entries.
    ASSERT_EQ(r.view.shown.size(), 1u);
    const QStringList& lines = r.view.shown[0];
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Minimalne otwarcie wtrysku gazu: sterownik ")));
    EXPECT_EQ(lines[1], QStringLiteral("Wyl. od niskiej temp. gazu: sterownik -20 °C, plik -10 °C"));
    EXPECT_EQ(lines[2], r.texts[Text::FileMapDifferences].arg(1).arg(1).arg(1));

    // The counters go out as the controller had them; the rest as the file has it.
    std::array<quint16, 64> words = changed.words;
    for (int i = 35; i <= 38; ++i)
        words[size_t(i)] = original.data->words[size_t(i)];
    const QStringList trace = r.rig.clock.trace();
    const QStringList expected = loadTrace(changed, words);
    ASSERT_GT(trace.size(), expected.size());
    // The last pause runs into the read of all words that follows, so that the screen
    // shows what the controller took.
    for (qsizetype i = 0; i + 1 < expected.size(); ++i)
        ASSERT_EQ(trace[i].toStdString(), expected[i].toStdString()) << "step " << i;
    EXPECT_TRUE(trace[expected.size()].startsWith(QLatin1Char('d')));

    ParameterFileData held = r.controller();
    for (int i = 35; i <= 38; ++i)
        held.words[size_t(i)] = changed.words[size_t(i)];
    EXPECT_EQ(held, changed);
    EXPECT_TRUE(r.image.Parameters().Known(2));
    EXPECT_EQ(r.image.Parameters()[49], -10);
    EXPECT_TRUE(r.image.Maps().map.known.all());
}

TEST(ParameterFilesLoad, NothingIsSentWithoutTheUsersYesOrWithoutAController)
{
    FilesRig r;
    r.readImage();
    const ParameterFileData before = r.controller();
    const QString path = r.writeFile(edited(before));

    r.view.confirm = false;
    r.rig.clock.setRecording(true);
    EXPECT_FALSE(r.files.LoadAndProgramFrom(path));
    EXPECT_TRUE(r.rig.clock.frames().isEmpty());
    EXPECT_EQ(r.image.Parameters()[49], -20);

    // With the port closed the load is refused before anything changes.
    r.rig.link.ClosePort();
    EXPECT_FALSE(r.files.LoadAndProgramFrom(path));
    EXPECT_EQ(r.prompter.notices.back().text, r.texts[Text::NoConnection]);
    EXPECT_EQ(r.image.Parameters()[49], -20);
    EXPECT_EQ(r.image.Parameters().KnownCount(), 64);

    // Without the controller: the program takes the file, the port stays silent.
    ASSERT_TRUE(r.files.LoadWithoutControllerFrom(path));
    EXPECT_TRUE(r.rig.clock.frames().isEmpty());
    EXPECT_EQ(r.image.Parameters()[49], -10);
    EXPECT_EQ(r.image.Parameters()[ParameterTable::kShadow22], r.image.Parameters()[kFlagsAWord]);
    EXPECT_EQ(r.image.Maps().map.Cell(3, 4), 125);
    EXPECT_EQ(r.image.Maps().points.words[6], 0x0171);
    EXPECT_EQ(r.image.Maps().points.values[6], 16); // 369 ticks of the slow clock: 1.6 ms
    EXPECT_EQ(r.view.refreshes, 1);
}

TEST(ParameterFilesLoad, BadFilesAndAnIncompleteFormChangeNothing)
{
    FilesRig r;
    r.readImage();
    const ParameterTable table = r.image.Parameters();
    const QString shortFile = r.dir.filePath(QStringLiteral("short.qevp"));
    {
        QFile f(shortFile);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(countingBytes(200));
    }
    r.rig.clock.setRecording(true);
    for (const QString& path : {shortFile, r.dir.filePath(QStringLiteral("none.qevp")), r.dir.path()}) {
        EXPECT_FALSE(r.files.LoadAndProgramFrom(path));
        EXPECT_FALSE(r.files.LoadWithoutControllerFrom(path));
    }
    EXPECT_TRUE(r.rig.clock.frames().isEmpty());
    EXPECT_TRUE(r.view.shown.empty());
    EXPECT_EQ(r.image.Parameters().values(), table.values());
    ASSERT_EQ(r.prompter.notices.size(), 6u);
    EXPECT_EQ(r.prompter.notices[0].text, r.texts[Text::FileTooShort]);
    EXPECT_EQ(r.prompter.notices[2].text, r.texts[Text::FileOperationFailed]);
    EXPECT_EQ(r.prompter.notices[4].text, r.texts[Text::FileOperationFailed]);

    r.view.complete = false;
    r.view.savePath = r.dir.filePath(QStringLiteral("x.qevp"));
    EXPECT_FALSE(r.files.Save());
    EXPECT_EQ(r.prompter.notices.back().text, r.texts[Text::FillAllFields]);
    EXPECT_TRUE(r.view.dialogFolders.isEmpty());
    EXPECT_FALSE(QFile::exists(r.dir.filePath(QStringLiteral("x.qevp"))));
}

TEST(ParameterFilesLoad, APortLostDuringTheLoadStopsItAndSaysSo)
{
    // The read of the image takes 177 frames; the line drops 300 frames into the load,
    // within the cells.
    sim::LineOptions line;
    line.faults.push_back({sim::FaultMode::Disconnect, 1.0, 177 + 300});
    FilesRig r(line);
    r.readImage();
    const QString path = r.writeFile(edited(ParameterFileOf(r.image.Parameters(), r.image.Maps())));
    ASSERT_TRUE(r.files.LoadAndProgramFrom(path));
    EXPECT_FALSE(r.rig.link.PortOpen());
    EXPECT_EQ(r.view.notes, QStringList{r.texts[Text::FileLoadStopped]});
    ASSERT_FALSE(r.prompter.notices.empty());
    EXPECT_EQ(r.prompter.notices.back().text, r.texts[Text::FileLoadStopped]);
    // Nothing claims to be what the controller holds.
    EXPECT_EQ(r.image.Parameters().KnownCount(), 0);
    EXPECT_FALSE(r.image.Maps().map.known.all());
    EXPECT_TRUE(r.image.Maps().curve.known.all());
}

} // namespace
} // namespace zantrel
