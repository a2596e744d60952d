#include "adapt/AdaptRig.h"

#include "config/ConfigBitFields.h"
#include "config/ParameterConversions.h"

using namespace zantrel;
using zantrel::test::AdaptRunTest;

namespace {

TEST_F(AdaptRunTest, StartWithoutAConnectionSaysSoAndStartsNothing)
{
    link.SetConnected(false);
    clock.clearEvents();
    run.ButtonPressed();
    ASSERT_EQ(prompter.notices.size(), 1u);
    EXPECT_EQ(prompter.notices[0].text, "Brak połączenia");
    EXPECT_FALSE(run.Running());
    EXPECT_EQ(view.timer, AdaptStep::Idle);
    EXPECT_FALSE(view.liveHeld);
    EXPECT_TRUE(clock.frames().isEmpty());
}

TEST_F(AdaptRunTest, TheReducerMustReachFiftyDegrees)
{
    struct Case {
        int reducerC;
        AdaptStep after;
        const char* message;
    };
    const Case cases[] = {
        {49, AdaptStep::WaitReducer, "Czekaj aż reduktor osiągnie 50 Stopni Celsjusza"},
        {50, AdaptStep::ToPetrolFirst, "Osiągnięto temperaturę"},
        {-5, AdaptStep::WaitReducer, "Czekaj aż reduktor osiągnie 50 Stopni Celsjusza"},
    };
    for (const Case& c : cases) {
        engine.reducerC = c.reducerC;
        // The live poll has brought this record before START.
        link.CompleteInFlight();
        poll.Tick();
        link.CompleteInFlight();
        run.Start();
        EXPECT_TRUE(view.running);
        EXPECT_TRUE(view.liveHeld);
        EXPECT_EQ(view.button, "PRZERWIJ");
        for (int i = 0; i < 5 && run.Step() == AdaptStep::WaitReducer; ++i)
            tick();
        EXPECT_EQ(run.Step(), c.after) << c.reducerC;
        EXPECT_EQ(view.message, QString::fromUtf8(c.message)) << c.reducerC;
        run.Abort();
    }
}

TEST_F(AdaptRunTest, OnGasTheFirstStepsSendPetrolUntilTheCarIsOnPetrol)
{
    engine.onGas = true;
    run.Start();
    tickUntil(AdaptStep::ToPetrolFirst, 2);
    clock.clearEvents();
    for (int i = 0; i < 3; ++i)
        tick();
    EXPECT_EQ(sent('B'), 3);
    EXPECT_EQ(run.Step(), AdaptStep::ToPetrolFirst);
    engine.onGas = false;
    tick(); // the poll of the last "B" tick brings the record on petrol
    tick();
    EXPECT_EQ(run.Step(), AdaptStep::LoadOnPetrol);
}

TEST_F(AdaptRunTest, TheLoadOnPetrolCountsOnlyOnPetrolAndTakesItsMaximum)
{
    engine = {800, false, 60, 300, 1000};
    run.Start();
    tickUntil(AdaptStep::LoadOnPetrol, 5);
    for (int i = 0; i < 100; ++i)
        tick();
    engine.load = 600;
    tick();
    engine.load = 400;
    engine.onGas = true;
    for (int i = 0; i < 20; ++i)
        tick();
    EXPECT_EQ(view.message, "Przełącz na benzynę");
    EXPECT_EQ(run.Samples(), 102) << "the first tick on gas still decides on the record on petrol";
    EXPECT_EQ(run.PetrolLoadMax(), 600u);
    EXPECT_EQ(view.fields[AdaptField::PetrolLoad], "2,60 ms");
    engine.onGas = false;
    tickUntil(AdaptStep::ToGasFirst, 500);
    EXPECT_EQ(run.Samples(), 0);
    EXPECT_EQ(view.stepMaximum, 500);
}

TEST_F(AdaptRunTest, GasIsAskedForOnlyAboveFifteenHundred)
{
    throughPetrolLoad();
    struct Case {
        int rpm;
        int gasFrames;
        const char* message;
    };
    const Case cases[] = {
        {1500, 0, "Proszę zwiększyć obroty powyżej 1500"},
        {1550, 5, "Wciskaj gwałtownie i puszczaj pedał gazu. Powtarzaj tą czynność aż do następnej komendy."},
    };
    for (const Case& c : cases) {
        engine.rpm = c.rpm;
        tick(); // decides on the record of the previous speed
        clock.clearEvents();
        for (int i = 0; i < 5; ++i)
            tick();
        EXPECT_EQ(sent('G'), c.gasFrames) << c.rpm;
        EXPECT_EQ(run.Step(), AdaptStep::ToGasFirst);
        if (c.gasFrames == 0) {
            EXPECT_EQ(view.message, QString::fromUtf8(c.message));
        }
    }
    engine.onGas = true;
    tick();
    tick();
    EXPECT_EQ(run.Step(), AdaptStep::LoadOnGas);
}

TEST_F(AdaptRunTest, PetrolAtSpeedIsSentOnlyInsideTheWindow)
{
    throughPetrolLoad();
    throughGasLoad();
    struct Case {
        int rpm;
        int petrolFrames;
    };
    const Case cases[] = {{2000, 0}, {2700, 0}, {2050, 4}, {2650, 4}};
    for (const Case& c : cases) {
        engine.rpm = c.rpm;
        tick();
        clock.clearEvents();
        for (int i = 0; i < 4; ++i)
            tick();
        EXPECT_EQ(sent('B'), c.petrolFrames) << c.rpm;
        EXPECT_EQ(run.Step(), AdaptStep::ToPetrolAtSpeed);
    }
}

TEST_F(AdaptRunTest, TheCorrectionIsWrittenWhenTheCarIsBackOnPetrol)
{
    image.Maps().map.Set(3, 1, 115);
    SetShadowField(image.Parameters(), ConfigField::MapKind, 1);
    throughPetrolLoad(600);
    throughGasLoad(690);
    engine.rpm = 2600;
    engine.onGas = false;
    clock.clearEvents();
    tick(); // still the record on gas
    tick();
    EXPECT_EQ(run.Step(), AdaptStep::SpeedGatePetrol);
    EXPECT_EQ(run.Correction(), 132);
    EXPECT_EQ(view.fields[AdaptField::Correction], "+32");
    EXPECT_EQ(screen["EditWzbogacanieMieszanki"].text, "+32");
    EXPECT_EQ(image.Parameters().word(1), 132);
    const QStringList written{"K 01 00 00", "E 01 00 84", "D 01 00 84"};
    EXPECT_EQ(clock.frames().mid(1, 3), written) << clock.frames().join(u' ').toStdString();
}

TEST_F(AdaptRunTest, TicksBelowTheGateSpeedNeitherCountNorReset)
{
    throughPetrolLoad();
    throughGasLoad();
    engine = {2600, false, 60, 600, 1000};
    tickUntil(AdaptStep::SpeedGatePetrol, 2);
    for (int i = 0; i < 30; ++i)
        tick();
    engine.rpm = 2250;
    for (int i = 0; i < 40; ++i)
        tick();
    engine.rpm = 2300;
    for (int i = 0; i < 20; ++i)
        tick();
    // Each first tick at a new speed decides on the record of the old one: 30 + 1 + 19
    // ticks above counted, the ticks below neither counted nor started the gate afresh.
    EXPECT_EQ(run.Step(), AdaptStep::SpeedGatePetrol);
    tick(); // the 51st tick above finds the gate at 0
    EXPECT_EQ(run.Step(), AdaptStep::SteadyOnPetrol);
    EXPECT_EQ(screen["EditPrzesuniecie"].text, "0,00");
    EXPECT_EQ(image.Parameters().word(3), 0);
}

TEST_F(AdaptRunTest, ARecordThatDoesNotComeIsNeverSampledAgain)
{
    engine = {800, false, 60, 500, 1000};
    run.Start();
    tickUntil(AdaptStep::LoadOnPetrol, 5);
    for (int i = 0; i < 10; ++i)
        tick();
    const int before = run.Samples();
    answering = false;
    for (int i = 0; i < 50; ++i)
        tick();
    EXPECT_LE(run.Samples(), before + 1) << "only the record already fetched";
    EXPECT_EQ(view.message, "Brak odpowiedzi sterownika - autoadaptacja czeka na dane");
    EXPECT_EQ(run.Step(), AdaptStep::LoadOnPetrol);
    const int stalled = run.Samples();
    answering = true;
    engine.load = 700;
    for (int i = 0; i < 5; ++i)
        tick();
    EXPECT_EQ(run.Samples(), stalled + 4);
    EXPECT_EQ(run.PetrolLoadMax(), 700u);
    EXPECT_EQ(view.message,
              "Wciskaj gwałtownie i puszczaj pedał gazu. Powtarzaj tą czynność aż do następnej komendy.");
}

TEST_F(AdaptRunTest, NoPetrolInjectionStopsTheRunAndWritesNothing)
{
    engine = {800, false, 60, 0, 1000};
    run.Start();
    tickUntil(AdaptStep::LoadOnPetrol, 5);
    clock.clearEvents();
    for (int i = 0; i < 502 && run.Running(); ++i)
        tick();
    EXPECT_FALSE(run.Running());
    EXPECT_EQ(view.timer, AdaptStep::Idle);
    EXPECT_FALSE(view.liveHeld);
    EXPECT_EQ(view.button, "START");
    EXPECT_TRUE(view.message.startsWith("Nie zmierzono czasu wtrysku benzyny"));
    EXPECT_EQ(sent('K'), 0);
    EXPECT_EQ(sent('F'), 0);
}

TEST_F(AdaptRunTest, AbortStopsTheStepsAndKeepsWhatWasWritten)
{
    throughPetrolLoad();
    throughGasLoad();
    engine = {2600, false, 60, 600, 1000};
    tickUntil(AdaptStep::SpeedGatePetrol, 2);
    const quint16 enrichment = image.Parameters().word(1);
    clock.clearEvents();
    run.ButtonPressed();
    EXPECT_FALSE(run.Running());
    EXPECT_EQ(view.timer, AdaptStep::Idle);
    EXPECT_FALSE(view.liveHeld);
    EXPECT_EQ(view.button, "START");
    EXPECT_EQ(view.overall, 0);
    EXPECT_EQ(view.stepPosition, 0);
    EXPECT_TRUE(view.message.startsWith("Włącz odbiorniki w aucie"));
    EXPECT_TRUE(clock.frames().isEmpty());
    EXPECT_EQ(image.Parameters().word(1), enrichment);
    run.Tick(AdaptStep::SpeedGatePetrol);
    EXPECT_TRUE(clock.frames().isEmpty()) << "a late tick of a stopped step does nothing";
}

} // namespace

namespace {

// The parameter words a frame list writes, in order ("K" carries the index).
std::vector<int> WordsWritten(const QStringList& frames)
{
    std::vector<int> words;
    for (const QString& frame : frames)
        if (frame.startsWith(u'K'))
            words.push_back(frame.mid(2, 2).toInt(nullptr, 16));
    return words;
}

TEST_F(AdaptRunTest, TheFinishWritesItsWordsInOrderHeldByTheirWriters)
{
    screen["ComboBoxPodcisnienieReduktora"].items = {"Odlaczone", "Podlaczone"};
    screen["EditCzasWtryskuPrzyObciazeniu"].items = {"a", "b", "c"};
    screen["EditCzasWtryskuPrzyObciazeniu"].item = 1;
    image.Maps().map.Set(3, 1, 115);
    SetShadowField(image.Parameters(), ConfigField::MapKind, 1);
    image.Parameters()[18] = 1500;
    throughPetrolLoad(600);
    engine.pressureCounts = 1377; // 1.40 bar
    throughGasLoad(690);
    engine = {2600, false, 60, 500, 1377};
    tickUntil(AdaptStep::SteadyOnPetrol, 60);
    tickUntil(AdaptStep::ToGasSecond, 310);
    engine = {2600, true, 60, 575, 606}; // 0.70 bar
    tickUntil(AdaptStep::SteadyOnGas, 60);
    clock.clearEvents();
    for (int i = 0; i < 310 && run.Running(); ++i)
        tick();
    ASSERT_FALSE(run.Running());
    EXPECT_EQ(view.message, "Autoadaptacja została zakończona");
    EXPECT_EQ(view.button, "START");
    EXPECT_FALSE(view.liveHeld);

    const std::vector<int> order{3, 22, 18, 24, 45};
    EXPECT_EQ(WordsWritten(clock.frames()), order);
    EXPECT_EQ(sent('F'), kMapCells);
    EXPECT_EQ(sent('!'), kCurvePoints);
    // A swing of 0.70 bar: the vacuum line is connected, beep 0.40 bar, and the cut-off of
    // 0.35 bar is stored at the writer's floor of 0.4 bar and shown so.
    EXPECT_EQ(screen["ComboBoxPodcisnienieReduktora"].item, 1);
    EXPECT_EQ((image.Parameters().word(22) >> 15) & 1, 1);
    EXPECT_EQ(screen["EditCisnienieBeep"].text, "0,40");
    EXPECT_EQ(screen["EditCisnienieWylaczenia"].text, "0,40");
    EXPECT_EQ(image.Parameters().word(18), quint16(PressureCodeFromBar(0.4)));
    EXPECT_EQ(image.Parameters().word(24), quint16(PressureCodeFromBar(0.4)));
    // 500 and 575 ticks: 2.17 and 2.50 ms, a difference of 0.33 ms.
    EXPECT_EQ(view.fields[AdaptField::SteadyDifference], "0,33 ms");
    EXPECT_EQ(screen["EditPrzesuniecie"].text, "0,33");
    EXPECT_EQ(image.Maps().map.Cell(3, 1), 132);
    EXPECT_EQ(image.Maps().map.Cell(0, 2), 128);
    EXPECT_EQ(image.Maps().curve.bytes[0], 128);

    // One undo step holds every word the run changed and every entry it wrote.
    const std::optional<EditStep> undo = history.TakeUndo();
    ASSERT_TRUE(undo);
    int words = 0;
    for (const EditChange& change : *undo)
        words += change.target == EditTarget::ParameterWord;
    EXPECT_EQ(words, 6);
    EXPECT_EQ(undo->size(), size_t(6 + kMapCells + kCurvePoints));
}

} // namespace
