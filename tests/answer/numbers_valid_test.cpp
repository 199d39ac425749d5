// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "game/form1.h"
#include "tests/support/case_name.h"
#include "tests/support/fake_runtime.h"

namespace {

struct UseCase {
    const char* name;
    std::array<int16_t, 6> numbers;
    std::u16string answer;
    bool valid;
    int16_t wrongNumber;  // expected afterwards; starts at Untouched
};

void PrintTo(const UseCase& c, std::ostream* os) {
    *os << c.name;
}

constexpr int16_t Untouched = -99;

std::vector<UseCase> Cases() {
    return {
        {"each copy once: 2x2+100", {2, 2, 5, 7, 25, 100}, u"2x2+100", true, Untouched},
        {"a third 2 of two drawn", {2, 2, 5, 7, 25, 100}, u"2x2x2", false, 2},
        {"first misuse in typing order", {3, 4, 5, 6, 7, 8}, u"9+10", false, 9},
        {"a big number twice", {1, 2, 3, 4, 5, 100}, u"100+100", false, 100},
        {"an empty answer passes", {1, 2, 3, 4, 5, 100}, u"", true, Untouched},
        {"operators and parentheses only", {1, 2, 3, 4, 5, 100}, u"(+)-x/", true, Untouched},
        {"a typed 0 is skipped", {7, 7, 7, 7, 7, 7}, u"7+0", true, Untouched},
        {"all six used", {1, 2, 3, 4, 5, 100}, u"100+5+4+3+2+1", true, Untouched},
        {"a seventh number", {1, 1, 1, 1, 1, 1}, u"1+1+1+1+1+1+1", false, 1},
        {"a held overflow is checked like any number",
         {1, 2, 3, 4, 5, 100},
         u"99999",
         false,
         32767},
        {"misuse after a valid use", {25, 50, 75, 100, 1, 2}, u"25+3", false, 3},
    };
}

class NumbersValidTest : public testing::TestWithParam<UseCase> {};

TEST_P(NumbersValidTest, MatchesTokensAgainstNumbers) {
    const UseCase& c = GetParam();
    FakeRuntime runtime;
    Form1 form(runtime);
    for (int j = 1; j <= NumberCount; ++j) {
        form.State.Numbers[j] = c.numbers[static_cast<std::size_t>(j - 1)];
    }
    form.State.WrongNumber = Untouched;
    int16_t lastSlot = 0;
    TokenReading reading;
    form.Tokenize(c.answer, lastSlot, reading);

    bool valid = !c.valid;
    form.NumbersValid(valid);
    EXPECT_EQ(valid, c.valid);
    EXPECT_EQ(form.State.WrongNumber, c.wrongNumber);

    // A second call sees the same tokens and numbers: same verdict.
    bool again = !c.valid;
    form.NumbersValid(again);
    EXPECT_EQ(again, c.valid);
    EXPECT_EQ(form.State.WrongNumber, c.wrongNumber);
}

INSTANTIATE_TEST_SUITE_P(Answers, NumbersValidTest, testing::ValuesIn(Cases()), NameOfCase());

TEST(NumbersValidSequence, APassAfterAFailureKeepsTheEarlierWrongNumber) {
    FakeRuntime runtime;
    Form1 form(runtime);
    const std::array<int16_t, 6> drawn{1, 2, 3, 4, 5, 100};
    for (int j = 1; j <= NumberCount; ++j) {
        form.State.Numbers[j] = drawn[static_cast<std::size_t>(j - 1)];
    }
    int16_t lastSlot = 0;
    TokenReading reading;
    bool valid = true;
    form.Tokenize(u"100+100", lastSlot, reading);
    form.NumbersValid(valid);
    ASSERT_FALSE(valid);
    form.Tokenize(u"100+1", lastSlot, reading);
    form.NumbersValid(valid);
    EXPECT_TRUE(valid);
    EXPECT_EQ(form.State.WrongNumber, 100);
}

}  // namespace
