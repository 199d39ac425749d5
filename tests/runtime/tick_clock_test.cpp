// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The clock's rule where the end-to-end stop test does not reach: when the
// next tick falls due, a restart, a stop, and a clock set back.

#include <gtest/gtest.h>

#include "runtime/tick_clock.h"

namespace {

int Take(TickClock& clock, int64_t now) {
    int ticks = 0;
    while (clock.TakeTick(now)) {
        ++ticks;
    }
    return ticks;
}

TEST(TickClock, WholeSecondsSinceTheStartAsRunsOfTicks) {
    TickClock clock;
    EXPECT_EQ(clock.UntilNextTick(0), -1);  // stopped
    clock.Start(5000);
    EXPECT_EQ(Take(clock, 5999), 0);
    EXPECT_EQ(clock.UntilNextTick(5999), 1);
    EXPECT_EQ(Take(clock, 16400), 11);  // woken late: every second missed
    EXPECT_EQ(clock.UntilNextTick(16400), 600);
    EXPECT_EQ(clock.UntilNextTick(18100), 0);  // overdue: now
    clock.Stop();
    EXPECT_EQ(Take(clock, 30000), 0);
    clock.Start(30100);  // a new period
    EXPECT_EQ(Take(clock, 31099), 0);
    EXPECT_EQ(Take(clock, 31100), 1);
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
