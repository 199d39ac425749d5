// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/form1.h"
#include "tests/support/case_name.h"
#include "tests/support/fake_runtime.h"

namespace {

struct EvalCase {
    const char* name;
    std::u16string answer;
    int16_t value;
    EvalOutcome outcome = EvalOutcome::Value;
};

void PrintTo(const EvalCase& c, std::ostream* os) {
    *os << c.name;
}

std::u16string Repeat(std::u16string_view piece, int times) {
    std::u16string text;
    for (int i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

constexpr auto Range = EvalOutcome::OutOfRange;
constexpr auto ByZero = EvalOutcome::DivisionByZero;
constexpr auto TooLong = EvalOutcome::TooLong;

std::vector<EvalCase> Cases() {
    return {
        // Left to right, no precedence.
        {"left to right: 2+3x4 gives 20", u"2+3x4", 20},
        {"parentheses first: 2+(3x4) gives 14", u"2+(3x4)", 14},
        {"target example (100x2)+(5x10)", u"(100x2)+(5x10)", 250},
        {"near miss (100x2)+(5x10)-3", u"(100x2)+(5x10)-3", 247},
        // The pending operator.
        {"top level starts with addition: 100 3", u"100 3", 103},
        {"a group starts with none: (100 3)", u"(100 3)", 100},
        {"a used operator is gone: 100+3 7", u"100+3 7", 103},
        {"group then number at top level: (2+3) 4", u"(2+3) 4", 9},
        {"two groups: (2)(3)", u"(2)(3)", 5},
        {"nested group leaves no operator: ((2+3) 4)", u"((2+3) 4)", 5},
        {"a later operator replaces: 3--2", u"3--2", 1},
        // The negate flag.
        {"leading minus: -5+10", u"-5+10", 5},
        {"a group ignores the minus: -(5)+10", u"-(5)+10", 15},
        {"the minus waits for a number: -(5)-5+3", u"-(5)-5+3", -3},
        // The zero accumulator.
        {"typed 0 clears the operator: 5x0", u"5x0", 5},
        {"typed 0 then +3: 5+0+3", u"5+0+3", 8},
        {"0 ends a group: 2x(3+0+1)", u"2x(3+0+1)", 7},
        {"back to 0 starts afresh: 5-5+3", u"5-5+3", 3},
        {"back to 0 ignores precedence too: 5-5x3", u"5-5x3", 3},
        // Rounded division, halves to even.
        {"7/2 gives 4", u"7/2", 4},
        {"5/2 gives 2", u"5/2", 2},
        {"9/2 gives 4", u"9/2", 4},
        {"1/3 gives 0", u"1/3", 0},
        {"2/3 gives 1", u"2/3", 1},
        {"negative half to even: -5/2", u"-5/2", -2},
        {"negative half to even: -7/2", u"-7/2", -4},
        {"negative below half: -7/3", u"-7/3", -2},
        {"negative divisor rounds to even: 7/(1-3)", u"7/(1-3)", -4},
        // Malformed input is still evaluated.
        {"double parentheses", u"((2+3))", 5},
        {"unclosed group ends at the empty slot", u"(2+3", 5},
        {"lone closing parenthesis ignored", u"4)+1", 5},
        {"empty answer gives 0", u"", 0},
        {"operators only", u"+-x/", 0},
        {"unclosed group at the end of 30 slots", u"(" + Repeat(u"1+", 14) + u"1", 15},
        {"30 open parentheses", Repeat(u"(", 30), 0},
        {"group at slot 30", Repeat(u"1+", 14) + u"1(", 15},
        {"exactly 30 tokens are evaluated", Repeat(u"1+", 14) + u"1x", 15},
        // Past the 30th token the answer was not read whole.
        {"a 31st token leaves no value", Repeat(u"1+", 15) + u"100", 0, TooLong},
        {"the player's long answer", u"(((((((((((5x6+50x4)))))))))))x7", 0, TooLong},
        {"too long wins over a division by zero", u"8/(2-2)" + Repeat(u"+1", 12), 0, TooLong},
        {"too long wins over a step out of range", u"200x200" + Repeat(u"+1", 14), 0, TooLong},
        // The 16-bit limits.
        {"largest value", u"32767", 32767},
        {"smallest value", u"-32767-1", -32768},
        {"typed number past 32767", u"32768", 0, Range},
        {"sum past 32767", u"32767+1", 0, Range},
        {"difference below -32768", u"-32767-2", 0, Range},
        {"product past 32767", u"200x200", 0, Range},
        {"quotient past 32767", u"-32767-1/(-1)", 0, Range},
        {"product inside a group", u"1+(200x200)", 0, Range},
        {"division by a group of 0", u"8/(2-2)", 0, ByZero},
        {"division by an empty group", u"8/()", 0, ByZero},
        {"nested division by zero", u"1+(8/(3-3))", 0, ByZero},
        {"evaluation stops at the first fault", u"8/(2-2)+200x200", 0, ByZero},
        {"an empty group is added: 5 (0)", u"5 (0)", 5},
        {"a dropped group is never divided: 5/0(0)", u"5/0(0)", 5},
    };
}

class EvaluatorTest : public testing::TestWithParam<EvalCase> {};

TEST_P(EvaluatorTest, ReachesValue) {
    const EvalCase& c = GetParam();
    FakeRuntime runtime;
    Form1 form(runtime);
    int16_t value = 12345;
    EvalOutcome outcome = EvalOutcome::Value;
    form.EvaluateAnswer(c.answer, value, outcome);
    EXPECT_EQ(outcome, c.outcome);
    if (c.outcome == EvalOutcome::Value) {
        EXPECT_EQ(value, c.value);
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, EvaluatorTest, testing::ValuesIn(Cases()), NameOfCase());

TEST(EvalGroupPosition, StopsOnTheSlotThatEndedTheGroup) {
    FakeRuntime runtime;
    Form1 form(runtime);
    int16_t lastSlot = 0;
    TokenReading reading;
    form.Tokenize(u"((2+3) 4) 9", lastSlot, reading);
    int16_t position = 1;
    int16_t result = 0;
    EvalOutcome outcome = EvalOutcome::Value;
    form.EvalGroup(position, result, outcome);
    EXPECT_EQ(position, 8);  // the outer closing parenthesis
    EXPECT_EQ(result, 5);
    EXPECT_EQ(outcome, EvalOutcome::Value);
}

TEST(EvalGroupPosition, UnclosedGroupStopsOnTheEmptySlot) {
    FakeRuntime runtime;
    Form1 form(runtime);
    int16_t lastSlot = 0;
    TokenReading reading;
    form.Tokenize(u"(2+3", lastSlot, reading);
    int16_t position = 1;
    int16_t result = 0;
    EvalOutcome outcome = EvalOutcome::Value;
    form.EvalGroup(position, result, outcome);
    EXPECT_EQ(position, 5);
    EXPECT_EQ(result, 5);
}

}  // namespace
