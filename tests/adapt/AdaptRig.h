#pragma once

#include "adapt/AdaptationRun.h"
#include "adapt/AdaptationView.h"
#include "base/LanguageStrings.h"
#include "config/FakeEditorScreen.h"
#include "config/ParameterEditors.h"
#include "config/ParameterTransfer.h"
#include "config/QuietTransferView.h"
#include "image/ControllerImage.h"
#include "link/CommandSet.h"
#include "link/EcuLink.h"
#include "link/LinkGate.h"
#include "link/StepTimer.h"
#include "link/VirtualClock.h"
#include "live/LiveConversions.h"
#include "live/LivePoll.h"
#include "live/LiveRecord.h"
#include "live/LiveWords.h"
#include "support/ScriptedPrompter.h"
#include "support/ScriptedSerialIo.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>

namespace zantrel::test {

// What the run showed and drove, as the tab would.
class RecordingAdaptView final : public AdaptationView {
public:
    void RunStepTimer(AdaptStep step) override { timer = step; }
    void HoldLiveTimers(bool held) override { liveHeld = held; }
    void ShowMessage(const QString& text) override { message = text; }
    void ShowField(AdaptField field, const QString& text) override { fields[field] = text; }
    void ShowRunning(bool r, const QString& text, bool enabled) override
    {
        running = r;
        button = text;
        buttonEnabled = enabled;
    }
    void ShowStepProgress(int maximum, int position) override
    {
        stepMaximum = maximum;
        stepPosition = position;
    }
    void ShowOverallProgress(int value) override { overall = value; }
    void FinishWritten() override { ++finishes; }

    AdaptStep timer = AdaptStep::Idle;
    bool liveHeld = false;
    QString message;
    std::map<AdaptField, QString> fields;
    bool running = false;
    QString button;
    bool buttonEnabled = true;
    int stepMaximum = 0;
    int stepPosition = 0;
    int overall = -1;
    int finishes = 0;
};

// A live record the controller answers "V" with while `answering`.
struct EngineState {
    int rpm = 800;
    bool onGas = false;
    int reducerC = 60;
    quint16 load = 0;
    quint16 pressureCounts = 1000;
};

// A run on a scripted controller that answers the live poll with `engine`.
class AdaptRunTest : public ::testing::Test {
protected:
    AdaptRunTest()
    {
        io.onWrite = [this](const QByteArray& frame) {
            if (frame.at(0) == 'V' && answering)
                io.deliver(QByteArray(reinterpret_cast<const char*>(EncodeLiveReply(words()).data()),
                                      int(kLiveReplyLength)));
        };
        link.OpenPort();
        link.SetConnected(true);
        image.Parameters().MarkAllKnown();
    }

    // The record's speed word for `rpm`: the period that reads back as exactly that speed.
    static quint16 periodFor(int rpm)
    {
        const quint32 guess = RpmToPeriod(rpm, 0);
        for (quint32 p = guess > 20 ? guess - 20 : 1; p < guess + 20; ++p)
            if (PeriodToRpm(p, 0) == rpm)
                return quint16(p);
        ADD_FAILURE() << "no period reads as " << rpm << " rpm";
        return quint16(guess);
    }

    LiveWords words() const
    {
        LiveWords w{};
        w[live::kSpeedPeriod] = periodFor(engine.rpm);
        w[live::kFuelState] = engine.onGas ? 1 : 0;
        w[live::kReducerTemperature] = quint16(qint16(engine.reducerC));
        w[live::kPetrolAverage] = engine.load;
        w[live::kPressure] = engine.pressureCounts;
        return w;
    }

    // One tick of the current step, its interval later.
    void tick()
    {
        const AdaptStepTimer* timer = StepTimerOf(run.Step());
        ASSERT_NE(timer, nullptr);
        clock.advanceUs(qint64(timer->intervalMs) * 1000);
        run.Tick(run.Step());
    }
    // Ticks until the run is in `step`, at most `limit` ticks.
    void tickUntil(AdaptStep step, int limit)
    {
        for (int i = 0; i < limit && run.Step() != step && run.Step() != AdaptStep::Idle; ++i)
            tick();
        ASSERT_EQ(run.Step(), step);
    }
    // The fuel command frames sent since the clock's events were last cleared.
    int sent(char command) const
    {
        int n = 0;
        for (const VirtualClock::Event& e : clock.events())
            if (e.kind == VirtualClock::Event::Kind::Frame && e.bytes.at(0) == command)
                ++n;
        return n;
    }

    // Through steps 1..3 with a petrol load maximum of `petrolLoad`, into step 4.
    void throughPetrolLoad(quint16 petrolLoad = 600)
    {
        engine = {800, false, 60, petrolLoad, 1000};
        run.Start();
        tickUntil(AdaptStep::LoadOnPetrol, 5);
        tickUntil(AdaptStep::ToGasFirst, 510);
    }
    // On into step 6 with a gas load maximum of `gasLoad`.
    void throughGasLoad(quint16 gasLoad = 690)
    {
        engine.rpm = 1600;
        tickUntil(AdaptStep::ToGasFirst, 1);
        tick();
        engine.onGas = true;
        engine.load = gasLoad;
        tickUntil(AdaptStep::ToPetrolAtSpeed, 510);
    }

    VirtualClock clock;
    ScriptedSerialIo io{clock};
    EcuLink link{io, clock};
    EcuCommands commands{link};
    PauseStepTimer stepTimer{clock};
    LinkGate gate{link, stepTimer};
    ControllerImage image;
    LanguageStrings texts;
    ScriptedPrompter prompter;
    QuietTransferView transferView;
    ParameterTransfer transfer{gate, image, transferView, prompter, texts};
    FakeEditorScreen screen;
    ParameterEditors editors{image.Parameters(), transfer, screen, prompter, texts, Separators{u',', u'.'}};
    EditHistory history;
    LiveRecord record;
    LivePoll poll{link, commands, record, texts};
    RecordingAdaptView view;
    AdaptationRun run{{link, commands, poll, record, gate, image, editors, screen, history, prompter, texts, u','},
                      view};
    EngineState engine;
    bool answering = true;
};

} // namespace zantrel::test
