// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "game/deal.h"
#include "tests/support/case_name.h"
#include "tests/support/game_fixture.h"

namespace {

// ---- Start-up: the seed from three readings of the time of day.

struct SeedCase {
    const char* name;
    TimeOfDay at;
    int32_t seed;
};
void PrintTo(const SeedCase& c, std::ostream* os) {
    *os << c.name;
}

class SeedTest : public GameFixture, public testing::WithParamInterface<SeedCase> {};

TEST_P(SeedTest, SeedIsSecondTimesMinuteTimesHour) {
    Start(Puzzle250, GetParam().at);
    ASSERT_EQ(runtime.seeds.size(), 1u);
    EXPECT_EQ(runtime.seeds[0], GetParam().seed);
}

INSTANTIATE_TEST_SUITE_P(Starts, SeedTest,
                         testing::ValuesIn(std::vector<SeedCase>{
                             {"just after midnight seeds 0", {0, 12, 34}, 0},
                             {"the first minute of an hour seeds 0", {15, 0, 34}, 0},
                             {"second 0 of a minute seeds 0", {15, 12, 0}, 0},
                             {"23 59 59 seeds 80063 without overflow", {23, 59, 59}, 80063},
                             {"12 30 15 seeds 5400", {12, 30, 15}, 5400},
                         }),
                         NameOfCase());

TEST_F(GameFixture, SecondMinuteAndHourComeFromThreeReadingsInThatOrder) {
    runtime.times = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}};
    runtime.draws.assign(Puzzle250.begin(), Puzzle250.end());
    form.FormLoad();
    EXPECT_EQ(runtime.seeds.at(0), 3 * 5 * 7);
}

TEST_F(GameFixture, StartUpEmptiesTheTableAndShowsAPuzzle) {
    Start();
    for (const RecordEntry& entry : form.State.Records) {
        EXPECT_EQ(entry.Seconds, NoRecordTime);
    }
    EXPECT_EQ(Shown(Control::Text1), u"250");
    EXPECT_EQ(Shown(Control::Text2), u"2 3 5 7 10 100 ");
    EXPECT_EQ(Shown(Control::Text3), u"");
    EXPECT_EQ(Shown(Control::Label1), u"");   // until the first tick
    EXPECT_TRUE(runtime.draws.empty());       // exactly 13 draws
    EXPECT_FALSE(runtime.focus.has_value());  // the window sets it when shown
}

// ---- NewTarget: Int of the exact product, then the x10 loop.

struct TargetCase {
    const char* name;
    float draw;
    int16_t target;
};
void PrintTo(const TargetCase& c, std::ostream* os) {
    *os << c.name;
}

class TargetTest : public GameFixture, public testing::WithParamInterface<TargetCase> {};

TEST_P(TargetTest, DrawGivesTarget) {
    runtime.draws = {GetParam().draw};
    form.NewTarget();
    EXPECT_EQ(form.State.Target, GetParam().target);
    EXPECT_EQ(Shown(Control::Text1), Decimal(GetParam().target));
}

INSTANTIATE_TEST_SUITE_P(Draws, TargetTest,
                         testing::ValuesIn(std::vector<TargetCase>{
                             {"draw 0 gives candidate 1 and 100", 0.0f, 100},
                             {"draw 0.999 gives 1000", 0.999f, 1000},
                             {"the largest draw gives 1000", 0.99999994f, 1000},
                             {"candidate 5 gives 500", 0.0045f, 500},
                             {"candidate 50 gives 500", 0.0495f, 500},
                             {"candidate 500 stays", 0.4995f, 500},
                             {"candidate 10 gives 100", 0.0095f, 100},
                             {"candidate 99 gives 990", 0.0985f, 990},
                             {"candidate 100 stays", 0.0995f, 100},
                             {"candidate 999 stays", 0.9985f, 999},
                         }),
                         NameOfCase());

// ---- DrawNumbers: big or small, then the value.

struct NumberCase {
    const char* name;
    float bigDraw;
    float valueDraw;
    int16_t number;
};
void PrintTo(const NumberCase& c, std::ostream* os) {
    *os << c.name;
}

class NumberTest : public GameFixture, public testing::WithParamInterface<NumberCase> {};

TEST_P(NumberTest, TwoDrawsGiveTheNumber) {
    const NumberCase& c = GetParam();
    runtime.draws.clear();
    for (int i = 0; i < NumberCount; ++i) {
        runtime.draws.push_back(c.bigDraw);
        runtime.draws.push_back(c.valueDraw);
    }
    form.DrawNumbers();
    for (int i = 1; i <= NumberCount; ++i) {
        EXPECT_EQ(form.State.Numbers[i], c.number);
    }
}

INSTANTIATE_TEST_SUITE_P(Draws, NumberTest,
                         testing::ValuesIn(std::vector<NumberCase>{
                             {"exactly 0.8f rounds to 8 and is small", 0.8f, 0.0f, 1},
                             {"the float after 0.8f is big", 0.80000007f, 0.0f, 25},
                             {"small from draw 0 is 1", 0.0f, 0.0f, 1},
                             {"small from the largest draw is 11", 0.5f, 0.99999994f, 11},
                             {"small 0.5 gives 6", 0.5f, 0.5f, 6},
                             {"big from draw 0 is 25", 0.9f, 0.0f, 25},
                             {"big 0.25 is 50", 0.9f, 0.25f, 50},
                             {"big 0.5 is 75", 0.9f, 0.5f, 75},
                             {"big from the largest draw is 100", 0.99999994f, 0.99999994f, 100},
                         }),
                         NameOfCase());

TEST_F(GameFixture, NumbersAreSortedAndShownEachWithOneBlank) {
    // 100, 3, 25, 11, 3, 7 in drawing order.
    runtime.draws = {0.9f, 0.99f, 0.1f, 0.2f, 0.9f, 0.0f, 0.1f, 0.95f, 0.1f, 0.2f, 0.1f, 0.6f};
    runtime.texts[Control::Text2] = u"old";
    runtime.texts[Control::Text3] = u"old answer";
    form.DrawNumbers();
    const std::array<int16_t, 6> sorted{3, 3, 7, 11, 25, 100};
    for (int i = 1; i <= NumberCount; ++i) {
        EXPECT_EQ(form.State.Numbers[i], sorted[static_cast<std::size_t>(i - 1)]);
    }
    EXPECT_EQ(Shown(Control::Text2), u"3 3 7 11 25 100 ");
    EXPECT_EQ(Shown(Control::Text3), u"");
}

// ---- A linked puzzle: one the game could draw, dealt by undoing NewTarget's
// and DrawNumbers' arithmetic.

TEST_F(GameFixture, DrawsForDealTheirPuzzleSortedAsTheGameSortsIt) {
    const auto linked = DrawsFor({250, {100, 3, 25, 11, 3, 7}});
    runtime.times = {{}, {}, {}};
    runtime.draws.assign(linked.begin(), linked.end());
    form.FormLoad();  // as the page deals a link's puzzle
    EXPECT_EQ(Shown(Control::Text1), u"250");
    EXPECT_EQ(Shown(Control::Text2), u"3 3 7 11 25 100 ");
    // Every target, and every number in every slot.
    const std::array<int16_t, 15> drawn{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 25, 50, 75, 100};
    for (int32_t target = LowestTarget; target <= HighestTarget; ++target) {
        Puzzle puzzle{target, {}};
        for (int i = 0; i < NumberCount; ++i) {
            puzzle.Numbers.push_back(drawn[static_cast<std::size_t>(target + i) % drawn.size()]);
        }
        ASSERT_EQ(DealFaults(puzzle), std::vector<std::string>{}) << target;
        const auto draws = DrawsFor(puzzle);
        runtime.draws.assign(draws.begin(), draws.end());
        form.NewTarget();
        form.DrawNumbers();
        std::ranges::sort(puzzle.Numbers);
        ASSERT_EQ(form.State.Target, target);
        ASSERT_TRUE(std::ranges::equal(form.State.Numbers, puzzle.Numbers)) << target;
    }
}

// ---- New puzzle.

TEST_F(GameFixture, NewPuzzleDuringAnOpenOneStartsAfresh) {
    Start();
    Ticks(42);
    runtime.texts[Control::Text3] = u"2+3";
    form.State.WrongNumber = 9;
    runtime.draws.assign(Puzzle250.begin(), Puzzle250.end());
    runtime.Click(Control::Command2);

    EXPECT_EQ(Shown(Control::Text3), u"");
    EXPECT_EQ(form.State.ElapsedSeconds, 0);
    EXPECT_EQ(form.State.WrongNumber, 0);
    EXPECT_EQ(runtime.focus, Control::Text1);
    EXPECT_EQ(Shown(Control::Label1), u"0:42");  // the old time, until the next tick
    Ticks(1);
    EXPECT_EQ(Shown(Control::Label1), u"0:1");
    for (const RecordEntry& entry : form.State.Records) {
        EXPECT_EQ(entry.Seconds, NoRecordTime);
    }
}

TEST_F(GameFixture, NewPuzzleAfterASolvedOneEnablesSubmitAndRestartsTheClock) {
    Start();
    Ticks(5);
    runtime.SetEnabled(Control::Command1, false);  // as a solved puzzle leaves them
    runtime.SetTimerEnabled(false);
    Ticks(3);
    EXPECT_EQ(Shown(Control::Label1), u"0:5");  // a stopped clock keeps its time

    runtime.draws.assign(Puzzle250.begin(), Puzzle250.end());
    runtime.Click(Control::Command2);
    EXPECT_TRUE(runtime.IsEnabled(Control::Command1));
    EXPECT_TRUE(runtime.timerEnabled);
    Ticks(1);
    EXPECT_EQ(Shown(Control::Label1), u"0:1");
}

// ---- The clock.

TEST_F(GameFixture, ClockShowsMinutesAndSecondsWithoutLeadingZeros) {
    Start();
    const std::vector<std::pair<int, std::u16string>> readings = {
        {1, u"0:1"}, {59, u"0:59"}, {60, u"1:0"}, {61, u"1:1"}, {600, u"10:0"}, {3600, u"60:0"}};
    int elapsed = 0;
    for (const auto& [seconds, caption] : readings) {
        Ticks(seconds - elapsed);
        elapsed = seconds;
        EXPECT_EQ(Shown(Control::Label1), caption) << seconds << " ticks";
    }
}

TEST_F(GameFixture, ClockStopsAtThe32BitLimitInsteadOfWrapping) {
    Start();
    form.State.ElapsedSeconds = 2147483646;
    Ticks(2);
    EXPECT_EQ(form.State.ElapsedSeconds, 2147483647);
    EXPECT_EQ(Shown(Control::Label1), u"35791394:7");
}

}  // namespace
