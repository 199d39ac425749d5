// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The other direction of the game's steps: given one operand and a range the
// step's result must land in, the values of the unknown operand that put it
// there. The search looks an operand up with these instead of pairing every
// two values. Each is exact for the game's rounding (tested against
// RoundedQuotient), so a lookup misses nothing and finds nothing extra.

#include <cstdint>

struct Range {
    int32_t Lo = 1;
    int32_t Hi = 0;  // empty when Lo > Hi

    bool Empty() const { return Lo > Hi; }
};

// y with x * y in target; x is not 0.
Range MultiplierRange(int32_t x, Range target);

// The target of a division is never 0 (no step gives 0) and so lies on one
// side of it. With exact, a division must leave no remainder, and the target
// is a single value.

// y with x / y in target, x not 0.
Range DivisorRange(int32_t x, Range target, bool exact);

// y with y / x in target, x not 0.
Range DividendRange(int32_t x, Range target, bool exact);
