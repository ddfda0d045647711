// The timer rules of the one clock, on a bare timer driven period by period.

#include <gtest/gtest.h>

#include <vector>

#include "shell/game.h"
#include "shell/scene_objects.h"

namespace tt {
namespace {

class TimerClock : public ::testing::Test {
protected:
    static constexpr Micros kPeriod = 16'000;

    // Advances the clock one period at a time; returns the clock ticks (1 for
    // the first) at which the timer ticked. `each` runs before the timer's
    // turn at every clock tick.
    template <typename Each>
    std::vector<int> run(Timer& timer, int clockTicks, Each each) {
        std::vector<int> ticked;
        for (int i = 1; i <= clockTicks; ++i) {
            now += kPeriod;
            each(i);
            if (!timer.due(now)) continue;
            timer.fire(game);
            ticked.push_back(i);
        }
        return ticked;
    }
    std::vector<int> run(Timer& timer, int clockTicks) {
        return run(timer, clockTicks, [](int) {});
    }

    NoPictures pictures;
    Game game{pictures};
    Micros now = 0;
};

TEST_F(TimerClock, PeriodIsRoundedUpToWholeClockPeriods) {
    struct Case {
        int interval;
        std::vector<int> ticks;
    };
    const Case cases[] = {
        {1, {1, 2, 3, 4, 5, 6}},   // shorter than the clock: once a clock tick, no more
        {16, {1, 2, 3, 4, 5, 6}},  // exactly the clock period
        {20, {2, 4, 6}},           // 20 ms at 16 ms comes at 32 ms
        {40, {3, 6}},
        {0, {}},                   // interval 0 delivers nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.interval);
        now = 0;
        Timer timer({"T", true, c.interval}, nullptr, now);
        EXPECT_EQ(run(timer, 6), c.ticks);
    }
}

TEST_F(TimerClock, AssigningTheSameIntervalChangesNothing) {
    Timer timer({"T", true, 20}, nullptr, now);
    EXPECT_EQ(run(timer, 6, [&](int) { timer.setInterval(20); }), (std::vector{2, 4, 6}));
}

TEST_F(TimerClock, ChangingTheIntervalRestartsThePeriod) {
    Timer timer({"T", true, 20}, nullptr, now);
    EXPECT_TRUE(run(timer, 10, [&](int i) { timer.setInterval(i % 2 ? 20 : 21); }).empty());
}

TEST_F(TimerClock, EnablingStartsAFreshPeriodAndEnablingAgainDoesNot) {
    Timer timer({"T", false, 20}, nullptr, now);
    const auto ticks = run(timer, 8, [&](int i) {
        if (i == 3) timer.setEnabled(true);  // period starts at clock tick 3
        if (i == 4) timer.setEnabled(true);  // already running: no restart
    });
    EXPECT_EQ(ticks, (std::vector{5, 7}));
}

TEST_F(TimerClock, ATimerDisabledBeforeItsTurnDoesNotTick) {
    Timer timer({"T", true, 1}, nullptr, now);
    EXPECT_EQ(run(timer, 4, [&](int i) { timer.setEnabled(i != 2); }), (std::vector{1, 4}));
}

TEST_F(TimerClock, TicksNeverPileUp) {
    Timer timer({"T", true, 20}, nullptr, now);
    now += 10 * kPeriod;  // a long stall: the timer was due many times over
    EXPECT_TRUE(timer.due(now));
    timer.fire(game);
    EXPECT_FALSE(timer.due(now + kPeriod));
    EXPECT_TRUE(timer.due(now + 2 * kPeriod));
}

TEST_F(TimerClock, IntervalIsHeldToItsRange) {
    Timer timer({"T", true, 1}, nullptr, now);
    timer.setInterval(-5);
    EXPECT_EQ(timer.interval(), 0);
    timer.setInterval(70000);
    EXPECT_EQ(timer.interval(), 65535);
}

}  // namespace
}  // namespace tt
