// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One step of the game's arithmetic: an operator applied to two values,
// computed exactly in 32 bits and then held to the 16-bit range. The evaluator
// and the solver both compute through these, so they cannot disagree.

#include <cstdint>
#include <cstdlib>
#include <limits>

#include "game/game_state.h"

// Rounds a / b to the nearest integer, halves to the even neighbour. Exact in
// integers: the same result as dividing in double precision and rounding.
inline int32_t RoundedQuotient(int32_t a, int32_t b) {
    int32_t quotient = a / b;
    const int32_t twiceRemainder = 2 * std::abs(a % b);
    const int32_t divisor = std::abs(b);
    const int32_t away = ((a < 0) != (b < 0)) ? -1 : 1;
    if (twiceRemainder > divisor || (twiceRemainder == divisor && quotient % 2 != 0)) {
        quotient += away;
    }
    return quotient;
}

// The exact result of left op right for op in TokPlus..TokDivide; a divide
// needs right != 0. Any other op leaves left.
inline int32_t ExactStep(int16_t op, int32_t left, int32_t right) {
    switch (op) {
        case TokPlus:
            return left + right;
        case TokMinus:
            return left - right;
        case TokTimes:
            return left * right;
        case TokDivide:
            return RoundedQuotient(left, right);
        default:
            return left;
    }
}

// Whether a step's exact result is a value the game can hold.
inline bool InStepRange(int32_t exact) {
    return exact >= std::numeric_limits<int16_t>::min() &&
           exact <= std::numeric_limits<int16_t>::max();
}
