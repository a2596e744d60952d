#include "adapt/AdaptComputations.h"
#include "adapt/AdaptProfiles.h"

#include <gtest/gtest.h>

using namespace zantrel;

namespace {

TEST(AdaptComputations, TheCorrectionIsTheBaseTimesTheRatioCutAndHeld)
{
    struct Case {
        int base;
        quint32 gas, petrol;
        std::optional<int> correction;
        const char* text;
    };
    const Case cases[] = {
        {115, 690, 600, 132, "+32"}, // 132.25 cut toward zero
        {115, 400, 600, 85, "-15"},  // 76 held up
        {115, 900, 600, 150, "+50"}, // 172 held down
        {100, 600, 600, 100, "+0"},
        {100, 550, 600, 91, "-9"},
        {115, 690, 0, std::nullopt, ""}, // no petrol maximum: no ratio
    };
    for (const Case& c : cases) {
        const std::optional<int> correction = AdaptCorrection(c.base, c.gas, c.petrol);
        EXPECT_EQ(correction, c.correction) << c.base << " " << c.gas << "/" << c.petrol;
        if (correction) {
            EXPECT_EQ(CorrectionText(*correction), QString::fromLatin1(c.text));
        }
    }
}

TEST(AdaptComputations, ThePressureSwingDecidesTheVacuumLineAndTheThresholds)
{
    struct Case {
        float max, min;
        int vacuum;
        float beep, cutoff;
    };
    const Case cases[] = {
        {1.40f, 0.70f, 1, 0.40f, 0.35f},
        {1.60f, 1.50f, 0, 1.10f, 1.05f},
        {0.70f, 1.40f, 1, 1.10f, 1.05f}, // the swing counts either way
        {1.50f, 0.90f, 0, 0.50f, 0.45f}, // 0.60 is not enough
    };
    for (const Case& c : cases) {
        const PressureSettings s = AdaptPressureSettings(c.max, c.min);
        EXPECT_EQ(s.vacuumItem, c.vacuum) << c.max << " " << c.min;
        EXPECT_NEAR(s.beepBar, c.beep, 1e-5);
        EXPECT_NEAR(s.cutoffBar, c.cutoff, 1e-5);
    }
}

TEST(AdaptComputations, TheMapFollowsTheProfileAndTheCurveIsHeldToItsLimits)
{
    const int shift = AdaptShift(132, 50);
    EXPECT_EQ(shift, 32);
    EXPECT_EQ(AdaptCellByte(shift, 3, 1), 132); // the row of zeros holds the correction itself
    EXPECT_EQ(AdaptCellByte(shift, 0, 2), 128);
    EXPECT_EQ(AdaptCellByte(shift, 6, 0), 135);
    EXPECT_EQ(AdaptShift(150, 50), 50);
    EXPECT_EQ(AdaptShift(150, 40), 40);

    struct Case {
        int shift, point, curveMax, percent;
    };
    const Case cases[] = {
        {32, 0, 50, 28}, {32, 8, 50, 38}, {50, 8, 50, 50}, {50, 8, 90, 56}, {-25, 0, 50, -25}, {-15, 0, 50, -19},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AdaptCurvePercent(c.shift, c.point, c.curveMax), c.percent) << c.shift << " " << c.point;
}

TEST(AdaptComputations, TheProgressBarAddsItsSharesAndStopsAtItsEnd)
{
    AdaptProgress progress;
    for (int i = 0; i < 1000; ++i)
        progress.LoadSample();
    EXPECT_EQ(progress.Shown(), 40);
    for (int i = 0; i < 602; ++i)
        progress.SteadySample();
    for (int i = 0; i < 84; ++i)
        progress.CellWritten();
    EXPECT_EQ(progress.Shown(), 100);
    progress.Reset();
    EXPECT_EQ(progress.Shown(), 0);
}

TEST(AdaptComputations, EveryStepHasItsTimerInOrder)
{
    const auto& timers = AdaptStepTimers();
    for (int i = 0; i < kAdaptSteps; ++i) {
        EXPECT_EQ(int(timers[size_t(i)].step), i + 1);
        EXPECT_EQ(StepTimerOf(timers[size_t(i)].step), &timers[size_t(i)]);
    }
    EXPECT_STREQ(StepTimerOf(AdaptStep::LoadOnPetrol)->timer, "TimerWdepniecieBenzyna");
    EXPECT_EQ(StepTimerOf(AdaptStep::LoadOnPetrol)->intervalMs, 50);
    EXPECT_EQ(StepTimerOf(AdaptStep::SpeedGateGas)->intervalMs, 100);
    EXPECT_EQ(StepTimerOf(AdaptStep::Idle), nullptr);
}

} // namespace
