// Strict left-to-right evaluation of Tokens, with no operator precedence. An
// accumulator of 0 stands for "no value yet": the next number starts afresh.
// Each step is computed exactly in 32 bits; a result outside 16 bits, or a
// division by 0, stops the evaluation and the answer has no value.

#include <cstdint>
#include <cstdlib>
#include <limits>

#include "game/form1.h"

namespace {

// Rounds a / b to the nearest integer, halves to the even neighbour. Exact in
// integers: the same result as dividing in double precision and rounding.
int32_t RoundedQuotient(int32_t a, int32_t b) {
    int32_t quotient = a / b;
    const int32_t twiceRemainder = 2 * std::abs(a % b);
    const int32_t divisor = std::abs(b);
    const int32_t away = ((a < 0) != (b < 0)) ? -1 : 1;
    if (twiceRemainder > divisor || (twiceRemainder == divisor && quotient % 2 != 0)) {
        quotient += away;
    }
    return quotient;
}

// Applies the pending operator; an unknown or absent one leaves the accumulator.
void ApplyPending(EvalPass& pass, EvalOutcome& outcome) {
    const int32_t left = pass.Accumulator;
    const int32_t right = pass.RightOperand;
    int32_t exact = left;
    switch (pass.PendingOperator) {
        case TokPlus:
            exact = left + right;
            break;
        case TokMinus:
            exact = left - right;
            break;
        case TokTimes:
            exact = left * right;
            break;
        case TokDivide:
            if (right == 0) {
                outcome = EvalOutcome::DivisionByZero;
                return;
            }
            exact = RoundedQuotient(left, right);
            break;
        default:
            return;
    }
    if (exact < std::numeric_limits<int16_t>::min() ||
        exact > std::numeric_limits<int16_t>::max()) {
        outcome = EvalOutcome::OutOfRange;
        return;
    }
    pass.Accumulator = static_cast<int16_t>(exact);
}

void ApplyAndReset(EvalPass& pass, EvalOutcome& outcome) {
    ApplyPending(pass, outcome);
    pass.PendingOperator = 0;
    pass.RightOperand = 0;
}

}  // namespace

// A position past the buffer reads as an empty slot, so an unclosed group
// that runs off the end stops there.
int16_t Form1::TokenAt(int16_t position) const {
    if (position < 1 || position > TokenSlots) {
        return 0;
    }
    return State.Tokens[position];
}

void Form1::TreatToken(EvalPass& pass, int16_t& position, bool topLevel, EvalOutcome& outcome) {
    const int16_t token = TokenAt(position);
    if (token > 0) {
        if (pass.Accumulator == 0) {
            pass.Accumulator = pass.Negate ? static_cast<int16_t>(-token) : token;
            pass.Negate = false;
        } else if (pass.PendingOperator != 0) {
            pass.RightOperand = token;
            ApplyAndReset(pass, outcome);
        }
        return;
    }
    switch (token) {
        case TokOpen:
            if (pass.Accumulator == 0) {
                // The group becomes the accumulator; a pending minus waits on.
                EvalGroup(position, pass.Accumulator, outcome);
            } else {
                EvalGroup(position, pass.RightOperand, outcome);
                if (outcome == EvalOutcome::Value) {
                    ApplyAndReset(pass, outcome);
                }
            }
            return;
        case TokPlus:
        case TokMinus:
        case TokTimes:
        case TokDivide:
            if (token == TokMinus && pass.Accumulator == 0) {
                pass.Negate = true;
            } else {
                pass.PendingOperator = token;
            }
            return;
        case 0:
            if (topLevel) {
                pass.PendingOperator = 0;
            }
            return;
        default:  // a closing parenthesis outside any group
            return;
    }
}

void Form1::EvalGroup(int16_t& position, int16_t& result, EvalOutcome& outcome) {
    EvalPass pass;
    ++position;
    while (true) {
        const int16_t token = TokenAt(position);
        if (token == TokClose || token == 0) {
            result = pass.Accumulator;
            return;
        }
        TreatToken(pass, position, false, outcome);
        if (outcome != EvalOutcome::Value) {
            return;
        }
        ++position;
    }
}

void Form1::EvalTopLevel(const int16_t& lastSlot, int16_t& valueReached, EvalOutcome& outcome) {
    EvalPass pass;
    pass.PendingOperator = TokPlus;
    outcome = EvalOutcome::Value;
    for (int16_t i = 1; i <= lastSlot; ++i) {
        TreatToken(pass, i, true, outcome);
        if (outcome != EvalOutcome::Value) {
            valueReached = 0;
            return;
        }
    }
    valueReached = pass.Accumulator;
}
