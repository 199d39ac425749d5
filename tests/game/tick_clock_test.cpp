// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The clock's one rule: every whole second since the start is one tick,
// however late the toolkit wakes it.

#include <gtest/gtest.h>

#include "game/tick_clock.h"

namespace {

int Take(TickClock& clock, int64_t now) {
    int ticks = 0;
    while (clock.TakeTick(now)) {
        ++ticks;
    }
    return ticks;
}

TEST(TickClock, EachWholeSecondIsOneTickHoweverLateTheWakeUp) {
    TickClock clock;
    clock.Start(5000);
    EXPECT_EQ(Take(clock, 5999), 0);
    EXPECT_EQ(clock.UntilNextTick(5999), 1);
    EXPECT_EQ(Take(clock, 6000), 1);
    EXPECT_EQ(Take(clock, 6500), 0);
    EXPECT_EQ(Take(clock, 16400), 10);  // stopped for ten seconds, then woken
    EXPECT_EQ(clock.UntilNextTick(16400), 600);
    EXPECT_EQ(Take(clock, 17000), 1);
    EXPECT_EQ(clock.UntilNextTick(18100), 0);  // overdue: now
}

TEST(TickClock, StoppedGivesNoTickAndStartingRestartsThePeriod) {
    TickClock clock;
    EXPECT_EQ(clock.UntilNextTick(0), -1);
    clock.Start(0);
    EXPECT_EQ(Take(clock, 2500), 2);
    clock.Stop();
    EXPECT_EQ(Take(clock, 9000), 0);
    EXPECT_EQ(clock.UntilNextTick(9000), -1);
    clock.Start(9100);
    EXPECT_EQ(Take(clock, 10000), 0);
    EXPECT_EQ(Take(clock, 10100), 1);
}

TEST(TickClock, AClockSetBackLosesAndRepeatsNoTick) {
    TickClock clock;
    clock.Start(100000);
    EXPECT_EQ(Take(clock, 102500), 2);
    EXPECT_EQ(Take(clock, 50000), 0);  // set back 52.5 s
    EXPECT_EQ(Take(clock, 50499), 0);
    EXPECT_EQ(Take(clock, 50500), 1);  // the third second, on the new time
}

}  // namespace
