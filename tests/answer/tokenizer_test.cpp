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
    bool tooBig = false;
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
        {"number past 32767 is held and reported", u"32768", {32767}, 1, true},
        {"overflow in the product", u"40000", {32767}, 1, true},
        {"digits after an overflow are consumed",
         u"99999999999999+1",
         {32767, TokPlus, 1},
         3,
         true},
        {"30 tokens fill the buffer", Repeat(u"1+", 15), Alternating(30), 30},
        {"a 31st token is dropped", Repeat(u"1+", 15) + u"9", Alternating(30), 30},
        {"the 30th number keeps its digits", Repeat(u"1+", 14) + u"1 123", thirty, 30},
        {"a 31st number never joins the 30th", Repeat(u"1+", 14) + u"1 123 4", thirty, 30},
        {"overflow after the 30th token is not reported", Repeat(u"1+", 15) + u"99999",
         Alternating(30), 30},
    };
}

class TokenizerTest : public testing::TestWithParam<TokenizeCase> {};

TEST_P(TokenizerTest, FillsSlotsInOrder) {
    const TokenizeCase& c = GetParam();
    FakeRuntime runtime;
    Form1 form(runtime);
    int16_t lastSlot = 0;
    bool tooBig = false;
    form.Tokenize(c.answer, lastSlot, tooBig);
    EXPECT_EQ(lastSlot, c.lastSlot);
    EXPECT_EQ(tooBig, c.tooBig);
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
    bool tooBig = false;
    form.Tokenize(u"1+2+3+4+5", lastSlot, tooBig);
    form.Tokenize(u"7", lastSlot, tooBig);
    EXPECT_EQ(lastSlot, 1);
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
    bool tooBig = false;
    form.Tokenize(std::u16string(40000, u' ') + u"25", lastSlot, tooBig);
    EXPECT_EQ(lastSlot, 1);
    EXPECT_EQ(form.State.Tokens[1], 25);
    EXPECT_FALSE(tooBig);
}

}  // namespace
