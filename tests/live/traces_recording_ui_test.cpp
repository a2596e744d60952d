#include "layout/ScreenLayout.h"
#include "live/LiveConversions.h"
#include "live/LiveView.h"
#include "live/LiveRecorder.h"
#include "live/OscilloscopeTab.h"
#include "live/RecorderControls.h"
#include "live/RecordingFile.h"
#include "live/ReplayControls.h"
#include "live/TracePaintBox.h"

#include "support/LiveRecords.h"
#include "support/MainWindowFixture.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QSlider>
#include <QToolButton>

namespace zantrel::test {
namespace {

QByteArray contentsOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The main window on a scripted controller that answers "V" with the words a test sets;
// the test ticks the poll and lets the loop run the queued live view.
class TracesAndRecordingTest : public MainWindowFixture {
protected:
    void start(const CommandLineOptions& options = serviceOptions())
    {
        Start(options);
        window->TimerVizualizacja.stop();
        ASSERT_TRUE(link.OpenPort());
        link.SetConnected(true);
        io.onWrite = [this](const QByteArray& frame) {
            if (frame.at(0) != 'V')
                return;
            auto reply = EncodeLiveReply(words);
            reply[65] = quint8(reply[65] + (badChecksum ? 1 : 0));
            io.deliver(QByteArray(reinterpret_cast<const char*>(reply.data()), int(reply.size())), 1000);
        };
        recorder().SetClock([] { return kStart; });
    }

    void poll(const LiveWords& w)
    {
        words = w;
        LivePoll& p = window->Live().Poll();
        p.Tick();
        while (p.Stepping()) {
            clock.advanceUs(2000);
            p.Step();
        }
        QCoreApplication::processEvents();
    }

    OscilloscopeTab& scope() { return window->Live().Oscilloscope(); }
    RecorderControls& recorder() { return window->Recorder(); }
    ReplayControls& replay() { return window->Replay(); }
    QString path(const char* name) const { return workDir.filePath(QString::fromLatin1(name)); }

    void choose(QComboBox* selector, int item)
    {
        selector->setCurrentIndex(item);
        emit selector->activated(item);
    }

    QByteArray header() const { return RecordingHeader(BaseCaption(texts), kStart, QLocale::system()); }

    static inline const QDateTime kStart{QDate(2026, 12, 10), QTime(9, 5, 7)};
    LiveWords words{};
    bool badChecksum = false;
};

TEST_F(TracesAndRecordingTest, PanelsDrawTheShownChannelsWhenInView)
{
    start();
    parameters[8] = 2304;
    TracePaintBox& petrol = *scope().Panel[size_t(TracePanel::Petrol)];
    EXPECT_EQ(petrol.objectName(), "PaintBoxOscyloskopInjBenz");
    EXPECT_EQ(scope().Group[size_t(TracePanel::Parameter)]->title(), "Cisnienie");
    // As wide as the screen layout makes a trace: no more points than a trace keeps.
    ASSERT_TRUE(window->Layout().Current());
    EXPECT_EQ(petrol.width(), ScreenLayoutOf(*window->Layout().Current()).traceWidth);
    EXPECT_LE(petrol.width(), kTraceLength);

    // Out of sight the history moves but nothing is drawn.
    poll(WordsOf({{0, 1152}}));
    EXPECT_TRUE(petrol.Picture().isNull());
    EXPECT_NEAR(scope().Traces().Channel(0).History[0], 5.0, 1e-5);

    window->SelectTab(TabId::TabSheet2);
    QCoreApplication::processEvents();
    ASSERT_FALSE(petrol.Picture().isNull());
    EXPECT_EQ(petrol.Picture().size(), petrol.size());
    EXPECT_GT(petrol.height(), 100);
    // The newest value, half the range up, in the trace's red near the left edge.
    const int y = petrol.height() - int(5.0 * petrol.height() / 11.0) - 1;
    EXPECT_EQ(petrol.Picture().pixelColor(3, y), QColor(255, 0, 0));

    poll(WordsOf({{0, 0}}));
    EXPECT_EQ(petrol.Picture().pixelColor(4, y), QColor(255, 0, 0)) << "the trace moved right by one";
}

// Only the shown channel advances; another one resumes where it stopped.
TEST_F(TracesAndRecordingTest, SwitchingTheSelectorKeepsEachChannelsHistory)
{
    start();
    parameters[8] = 2304;
    QComboBox* selector = scope().Selector[size_t(TracePanel::Petrol)];
    EXPECT_EQ(selector->objectName(), "ComboBoxOscyloskopWtryskBenzynowy");
    ASSERT_EQ(selector->count(), 8);
    const TraceChannel& benz1 = scope().Traces().Channel(0);
    const TraceChannel& benz2 = scope().Traces().Channel(1);

    poll(WordsOf({{0, 230}}));
    poll(WordsOf({{0, 460}}));
    choose(selector, 1);
    EXPECT_EQ(scope().Group[size_t(TracePanel::Petrol)]->title(), "Wtrysk Benz2");
    poll(WordsOf({{0, 690}, {1, 920}}));
    EXPECT_NEAR(benz1.History[0], TicksToMs(460, false), 1e-5);
    EXPECT_NEAR(benz2.History[0], TicksToMs(920, false), 1e-5);

    choose(selector, 0);
    EXPECT_EQ(scope().Group[size_t(TracePanel::Petrol)]->title(), "Wtrysk Benz1");
    poll(WordsOf({{0, 1150}}));
    EXPECT_NEAR(benz1.History[0], TicksToMs(1150, false), 1e-5);
    EXPECT_NEAR(benz1.History[1], TicksToMs(460, false), 1e-5);
    EXPECT_NEAR(benz1.History[2], TicksToMs(230, false), 1e-5);
    EXPECT_NEAR(benz2.History[0], TicksToMs(920, false), 1e-5);
}

TEST_F(TracesAndRecordingTest, TheShippedConfigurationHidesRecordingAndReplay)
{
    start(answering(false));
    EXPECT_FALSE(window->ServiceView());
    EXPECT_TRUE(recorder().GroupBoxZapiszRamke->isHidden());
    EXPECT_TRUE(replay().TrackBarDEMO->isHidden());
    EXPECT_FALSE(window->MenuItemShown(QStringLiteral("OdczytajDemo")));
}

TEST_F(TracesAndRecordingTest, ARecordingTakesEveryAcceptedRecordWithItsPause)
{
    start();
    EXPECT_TRUE(recorder().GroupBoxZapiszRamke->isVisible());
    EXPECT_TRUE(window->MenuItemShown(QStringLiteral("OdczytajDemo")));
    EXPECT_TRUE(recorder().ButtonZapiszRamke->isEnabled());
    EXPECT_FALSE(recorder().ButtonPauzujRamke->isEnabled());
    EXPECT_EQ(recorder().ButtonPauzujRamke->toolTip(), "Pauzuj");

    // Cancelling the dialog starts nothing.
    recorder().SetFileChooser([] { return QString(); });
    recorder().ButtonZapiszRamke->click();
    EXPECT_FALSE(recorder().Recorder().Running());

    const QString file = path("drive.jovr");
    recorder().SetFileChooser([file] { return file; });
    recorder().ButtonZapiszRamke->click();
    ASSERT_TRUE(recorder().Recorder().Running());
    EXPECT_FALSE(recorder().ButtonZapiszRamke->isEnabled());
    EXPECT_TRUE(recorder().ButtonZatrzymajRamke->isEnabled());
    EXPECT_EQ(window->windowTitle(), "Zantrel - V 1.39  [Rejestracja: " + file + "]");

    poll(DistinctRecord(1));
    poll(DistinctRecord(2));
    // A reply with a wrong checksum is no record and leaves no gap.
    badChecksum = true;
    poll(DistinctRecord(50));
    badChecksum = false;

    recorder().ButtonPauzujRamke->click();
    EXPECT_EQ(window->windowTitle(), "Zantrel - V 1.39  [Pauza: " + file + "]");
    poll(DistinctRecord(60));
    recorder().ButtonPauzujRamke->click();
    EXPECT_EQ(window->windowTitle(), "Zantrel - V 1.39  [Rejestracja: " + file + "]");
    poll(DistinctRecord(3));

    recorder().ButtonZatrzymajRamke->click();
    EXPECT_FALSE(recorder().Recorder().Running());
    EXPECT_TRUE(recorder().ButtonZapiszRamke->isEnabled());
    EXPECT_FALSE(recorder().ButtonZatrzymajRamke->isEnabled());
    EXPECT_EQ(window->windowTitle(), "Zantrel - V 1.39 ");
    EXPECT_EQ(contentsOf(file), header() + RecordLine(1, DistinctRecord(1)) + RecordLine(2, DistinctRecord(2))
                                    + RecordLine(3, DistinctRecord(3)));
}

TEST_F(TracesAndRecordingTest, AFileThatCannotBeCreatedIsReported)
{
    start();
    recorder().SetFileChooser([this] { return path("missing/drive.jovr"); });
    recorder().ButtonZapiszRamke->click();
    EXPECT_FALSE(recorder().Recorder().Running());
    ASSERT_EQ(prompter.notices.size(), 1u);
    EXPECT_EQ(prompter.notices[0].text, "Nie można wykonać operacji na pliku");
    EXPECT_TRUE(recorder().ButtonZapiszRamke->isEnabled());
}

// What was recorded comes back as the same live records, through the live view.
TEST_F(TracesAndRecordingTest, AReplayShowsTheRecordedRecords)
{
    start();
    const QString file = path("round.jovr");
    recorder().SetFileChooser([file] { return file; });
    recorder().ButtonZapiszRamke->click();
    constexpr int kRecords = 20;
    for (int n = 1; n <= kRecords; ++n)
        poll(DistinctRecord(n));
    recorder().ButtonZatrzymajRamke->click();
    link.SetConnected(false);

    replay().SetFileChooser([file] { return file; });
    item("OdczytajDemo")->trigger();
    EXPECT_TRUE(window->TimerVizualizacjaDEMO.isActive());
    window->TimerVizualizacjaDEMO.stop(); // the test ticks it
    QSlider& slider = *replay().TrackBarDEMO;
    EXPECT_TRUE(slider.isEnabled());
    EXPECT_EQ(slider.maximum(), kRecords - 1);

    parameters[8] = 0xFFFF; // every petrol time inside the trace's limits
    for (int i = 0; i < kRecords - 1; ++i) {
        replay().TimerVizualizacjaDEMOTimer();
        ASSERT_EQ(window->Live().Record().Words(), DistinctRecord(i + 1)) << i;
        ASSERT_EQ(slider.value(), i + 1);
    }
    const QString sep = window->EntrySeparators().decimal;
    EXPECT_EQ(window->windowTitle(), "Zantrel - V 1.39 'round.jovr' [18 / 20] [0" + sep + "59 s. / 0" + sep + "66 s.]  ");
    EXPECT_NEAR(scope().Traces().Channel(0).History[0], TicksToMs(DistinctRecord(kRecords - 1)[0], false), 1e-4)
        << "replayed into the traces";

    // After the last but one record the replay starts again at the first.
    replay().TimerVizualizacjaDEMOTimer();
    EXPECT_EQ(slider.value(), 0);
    replay().TimerVizualizacjaDEMOTimer();
    EXPECT_EQ(window->Live().Record().Words(), DistinctRecord(1));

    // The slider is the position: a move shows the record there next.
    slider.setValue(11);
    replay().TimerVizualizacjaDEMOTimer();
    EXPECT_EQ(window->Live().Record().Words(), DistinctRecord(12));
}

// --replay FILE plays it from the start, once the window runs its loop.
TEST_F(TracesAndRecordingTest, AReplayGivenAtStartUpPlays)
{
    const QString file = path("start.jovr");
    {
        LiveRecorder recorder;
        ASSERT_TRUE(recorder.Start(file, header()));
        for (int n = 1; n <= 12; ++n)
            ASSERT_TRUE(recorder.Append(DistinctRecord(n)));
    }
    CommandLineOptions options = serviceOptions();
    options.replay = file;
    start(options);
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->TimerVizualizacjaDEMO.isActive());
    EXPECT_TRUE(replay().TrackBarDEMO->isEnabled());
    EXPECT_EQ(replay().Player().FileName(), "start.jovr");
    window->TimerVizualizacjaDEMO.stop();
    const int position = replay().TrackBarDEMO->value(); // real ticks may have run meanwhile
    replay().TimerVizualizacjaDEMOTimer();
    EXPECT_EQ(window->Live().Record().Words(), DistinctRecord(position + 1));
}

TEST_F(TracesAndRecordingTest, FilesThatCannotBePlayedAreReported)
{
    start();
    QFile shortFile(path("short.jovr"));
    ASSERT_TRUE(shortFile.open(QIODevice::WriteOnly));
    shortFile.write(header() + RecordLine(1, DistinctRecord(1)));
    shortFile.close();

    replay().OpenReplay(path("short.jovr"));
    replay().OpenReplay(path("none.jovr"));
    ASSERT_EQ(prompter.notices.size(), 2u);
    EXPECT_EQ(prompter.notices[0].text, "Plik jest za krótki");
    EXPECT_EQ(prompter.notices[1].text, "Nie można wykonać operacji na pliku");
    EXPECT_FALSE(replay().TrackBarDEMO->isEnabled());
    EXPECT_FALSE(window->TimerVizualizacjaDEMO.isActive());
}

} // namespace
} // namespace zantrel::test
