// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The look-up ranges against the game's own step: for each operand and
// target, the range must hold exactly the values whose step lands in the
// target.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "answer/step_arithmetic.h"
#include "solver/operand_ranges.h"

namespace {

const std::vector<int32_t> Operands = {1,    2,     3,  4,  5,  7,   10,   25,   99,     100,   255,
                                       1000, 32767, -1, -2, -3, -10, -101, -999, -32767, -32768};

const std::vector<Range> Targets = {{1, 1},           {2, 2},       {3, 3},     {-1, -1},
                                    {-2, -2},         {7, 7},       {100, 100}, {32767, 32767},
                                    {-32768, -32768}, {1, 3},       {2, 5},     {-5, -2},
                                    {10, 1000},       {-32768, -1}, {1, 32767}};

std::string Describe(int32_t x, Range t) {
    return "x " + std::to_string(x) + ", target [" + std::to_string(t.Lo) + ", " +
           std::to_string(t.Hi) + "]";
}

// Every y of the game's range, not 0, with its step in the target: one run
// from Lo to Hi, and nothing outside it.
template <typename Step>
void ExpectExactRange(Range range, Range target, Step step, const std::string& what) {
    int32_t lo = 1;
    int32_t hi = 0;
    int found = 0;
    for (int32_t y = -32768; y <= 32767; ++y) {
        if (y == 0) {
            continue;
        }
        const int32_t r = step(y);
        if (r >= target.Lo && r <= target.Hi) {
            lo = found == 0 ? y : lo;
            hi = y;
            ++found;
        }
    }
    SCOPED_TRACE(what);
    if (found == 0) {
        // Empty, or only values outside the game's range.
        EXPECT_TRUE(range.Empty() || range.Hi < -32768 || range.Lo > 32767)
            << range.Lo << ".." << range.Hi;
        return;
    }
    EXPECT_EQ(hi - lo + 1 - (lo < 0 && hi > 0 ? 1 : 0), found) << "not one run";
    EXPECT_EQ(std::max(range.Lo, -32768), lo);
    EXPECT_EQ(std::min(range.Hi, 32767), hi);
}

TEST(OperandRanges, DivisorGivesEveryRoundedQuotientInTarget) {
    for (const int32_t x : Operands) {
        for (const Range t : Targets) {
            ExpectExactRange(
                DivisorRange(x, t, false), t, [x](int32_t y) { return RoundedQuotient(x, y); },
                "x / y, " + Describe(x, t));
        }
    }
}

TEST(OperandRanges, DividendGivesEveryRoundedQuotientInTarget) {
    for (const int32_t x : Operands) {
        for (const Range t : Targets) {
            ExpectExactRange(
                DividendRange(x, t, false), t, [x](int32_t y) { return RoundedQuotient(y, x); },
                "y / x, " + Describe(x, t));
        }
    }
}

TEST(OperandRanges, MultiplierGivesEveryProductInTarget) {
    for (const int32_t x : Operands) {
        for (const Range t : Targets) {
            ExpectExactRange(
                MultiplierRange(x, t), t, [x](int32_t y) { return x * y; },
                "x * y, " + Describe(x, t));
        }
    }
}

// Exact division: the one operand with no remainder, or none.
TEST(OperandRanges, ExactDivisionLeavesNoRemainder) {
    for (const int32_t x : Operands) {
        for (const Range t : Targets) {
            if (t.Lo != t.Hi) {
                continue;  // exact look-ups ask for one value
            }
            auto exactly = [t](int32_t a, int32_t b) { return a % b == 0 && a / b == t.Lo; };
            ExpectExactRange(
                DivisorRange(x, t, true), t, [&](int32_t y) { return exactly(x, y) ? t.Lo : 0; },
                "x / y exact, " + Describe(x, t));
            ExpectExactRange(
                DividendRange(x, t, true), t, [&](int32_t y) { return exactly(y, x) ? t.Lo : 0; },
                "y / x exact, " + Describe(x, t));
        }
    }
}

}  // namespace
