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

struct TokenizeCase {
    const char* name;
    std::u16string answer;
    std::vector<int16_t> leading;  // slots from 1 on; every later slot must be 0
    int16_t lastSlot;
    EvalOutcome outcome = EvalOutcome::Value;
};

void PrintTo(const TokenizeCase& c, std::ostream* os) {
    *os << c.name;
}

std::u16string Repeat(std::u16string_view piece, int times) {
    std::u16string text;
    for (int i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

std::vector<int16_t> Alternating(int tokens) {  // 1+1+1... as tokens
    std::vector<int16_t> out;
    for (int i = 0; i < tokens; ++i) {
        out.push_back(i % 2 == 0 ? 1 : TokPlus);
    }
    return out;
}

constexpr auto TooBig = EvalOutcome::OutOfRange;
constexpr auto TooLong = EvalOutcome::TooLong;

std::vector<TokenizeCase> Cases() {
    std::vector<int16_t> thirty = Alternating(29);
    thirty.push_back(123);
    return {
        {"empty answer leaves slot 1 empty", u"", {}, 1},
        {"unknown characters only", u"abc =.\r\n", {}, 1},
        {"blank ends a number", u"12 34", {12, 34}, 2},
        {"letter ends a number", u"1a2", {1, 2}, 2},
        {"leading zeros vanish", u"007", {7}, 1},
        {"leading 0 is overwritten", u"0+5", {TokPlus, 5}, 2},
        {"0 after the first token keeps its slot", u"5+0", {5, TokPlus, 0}, 3},
        {"times x", u"2x3", {2, TokTimes, 3}, 3},
        {"times X", u"2X3", {2, TokTimes, 3}, 3},
        {"times star", u"2*3", {2, TokTimes, 3}, 3},
        {"divide slash", u"4/2", {4, TokDivide, 2}, 3},
        {"divide sign", u"4\u00F72", {4, TokDivide, 2}, 3},
        {"round brackets", u"(1)", {TokOpen, 1, TokClose}, 3},
        {"square brackets", u"[1]", {TokOpen, 1, TokClose}, 3},
        {"minus", u"3-1", {3, TokMinus, 1}, 3},
        {"underscore is minus", u"3_1", {3, TokMinus, 1}, 3},
        {"case-sensitive: y and Y are skipped", u"2y3Y4", {2, 3, 4}, 3},
        {"largest number that fits", u"32767", {32767}, 1},
        {"number past 32767 is held and reported", u"32768", {32767}, 1, TooBig},
        {"overflow in the product", u"40000", {32767}, 1, TooBig},
        {"digits after an overflow are consumed",
         u"99999999999999+1",
         {32767, TokPlus, 1},
         3,
         TooBig},
        {"30 tokens fill the buffer", Repeat(u"1+", 15), Alternating(30), 30},
        {"the 30th number keeps its digits", Repeat(u"1+", 14) + u"1 123", thirty, 30},
        {"unknown characters after 30 tokens", Repeat(u"1+", 15) + u" =.abc", Alternating(30), 30},
        {"a leading 0 frees its slot for a 30th token", u"0" + Repeat(u"+1", 15),
         [] {
             std::vector<int16_t> v = Alternating(30);
             v.erase(v.begin());
             v.push_back(1);
             return v;
         }(),
         30},
        {"a 31st operator makes the answer too long", Repeat(u"1+", 15) + u")", Alternating(30), 30,
         TooLong},
        {"a 31st number makes the answer too long", Repeat(u"1+", 15) + u"9", Alternating(30), 30,
         TooLong},
        {"a 31st number never joins the 30th", Repeat(u"1+", 14) + u"1 123 4", thirty, 30, TooLong},
        {"too long wins over a number past 32767", Repeat(u"1+", 15) + u"99999", Alternating(30),
         30, TooLong},
        {"too long also after a held number", u"99999" + Repeat(u"+1", 15),
         [] {
             std::vector<int16_t> v = Alternating(30);
             v[0] = 32767;
             return v;
         }(),
         30, TooLong},
    };
}

class TokenizerTest : public testing::TestWithParam<TokenizeCase> {};

TEST_P(TokenizerTest, FillsSlotsInOrder) {
    const TokenizeCase& c = GetParam();
    FakeRuntime runtime;
    Form1 form(runtime);
    int16_t lastSlot = 0;
    TokenReading reading;
    form.Tokenize(c.answer, lastSlot, reading);
    EXPECT_EQ(lastSlot, c.lastSlot);
    EXPECT_EQ(reading.Outcome, c.outcome);
    for (int i = 1; i <= TokenSlots; ++i) {
        const auto index = static_cast<std::size_t>(i - 1);
        const int16_t expected = index < c.leading.size() ? c.leading[index] : 0;
        EXPECT_EQ(form.State.Tokens[i], expected) << "slot " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, TokenizerTest, testing::ValuesIn(Cases()), NameOfCase());

TEST(TokenizerReuse, ASecondAnswerClearsTheFirst) {
    FakeRuntime runtime;
    Form1 form(runtime);
    int16_t lastSlot = 0;
    TokenReading reading;
    form.Tokenize(Repeat(u"99999+", 20), lastSlot, reading);
    form.Tokenize(u"7", lastSlot, reading);
    EXPECT_EQ(lastSlot, 1);
    EXPECT_EQ(reading.Outcome, EvalOutcome::Value);
    EXPECT_TRUE(reading.Held.empty());
    EXPECT_EQ(form.State.Tokens[1], 7);
    for (int i = 2; i <= TokenSlots; ++i) {
        EXPECT_EQ(form.State.Tokens[i], 0) << "slot " << i;
    }
}

TEST(TokenizerLongAnswer, ReadsBeyond32767CharactersToTheEnd) {
    // 40000 blanks then a number: the count of characters never wraps.
    FakeRuntime runtime;
    Form1 form(runtime);
    int16_t lastSlot = 0;
    TokenReading reading;
    form.Tokenize(std::u16string(40000, u' ') + u"25", lastSlot, reading);
    EXPECT_EQ(lastSlot, 1);
    EXPECT_EQ(form.State.Tokens[1], 25);
    EXPECT_EQ(reading.Outcome, EvalOutcome::Value);
}

TEST(TokenizerHeldNumbers, KeepTheirTypedDigitsWithoutLeadingZeros) {
    FakeRuntime runtime;
    Form1 form(runtime);
    int16_t lastSlot = 0;
    TokenReading reading;
    const std::u16string longNumber(30, u'7');
    form.Tokenize(u"0099999+3+32768x" + longNumber, lastSlot, reading);
    ASSERT_EQ(reading.Held.size(), 3u);
    EXPECT_EQ(reading.Held[0].Slot, 1);
    EXPECT_EQ(reading.Held[0].Digits, u"99999");
    EXPECT_EQ(reading.Held[1].Slot, 5);
    EXPECT_EQ(reading.Held[1].Digits, u"32768");
    EXPECT_EQ(reading.Held[2].Slot, 7);
    EXPECT_EQ(reading.Held[2].Digits, longNumber.substr(0, HeldDigitsKept));
    EXPECT_EQ(form.State.Tokens[7], 32767);
}

}  // namespace
