#include <gtest/gtest.h>

#include "game/game_state.h"
#include "solver/expression.h"

namespace {

// Parentheses only around a right operand that is itself a step: the left
// one is what the game has already computed, left to right.
TEST(Expression, TypesParenthesesOnlyWhereTheOrderNeedsThem) {
    Expression sum;
    const int product = sum.AddStep(TokTimes, sum.AddNumber(100), sum.AddNumber(2));
    const int other = sum.AddStep(TokTimes, sum.AddNumber(5), sum.AddNumber(10));
    sum.AddStep(TokPlus, product, other);
    EXPECT_EQ(sum.Text(), "100x2+(5x10)");
    EXPECT_EQ(sum.Value(), 250);
    EXPECT_EQ(sum.NumberCount(), 4);
    EXPECT_EQ(sum.ParenthesisPairs(), 1);

    Expression chain;  // ((9 - 4) / 2) - 1
    const int a = chain.AddStep(TokMinus, chain.AddNumber(9), chain.AddNumber(4));
    const int b = chain.AddStep(TokDivide, a, chain.AddNumber(2));
    chain.AddStep(TokMinus, b, chain.AddNumber(1));
    EXPECT_EQ(chain.Text(), "9-4/2-1");
    EXPECT_EQ(chain.Value(), 1);  // 5 / 2 rounds to the even 2
    EXPECT_EQ(chain.ParenthesisPairs(), 0);

    Expression nested;  // 7 / (3 - (1 - 6))
    const int inner = nested.AddStep(TokMinus, nested.AddNumber(1), nested.AddNumber(6));
    const int middle = nested.AddStep(TokMinus, nested.AddNumber(3), inner);
    nested.AddStep(TokDivide, nested.AddNumber(7), middle);
    EXPECT_EQ(nested.Text(), "7/(3-(1-6))");
    EXPECT_EQ(nested.Value(), 1);
    EXPECT_EQ(nested.ParenthesisPairs(), 2);
}

}  // namespace
