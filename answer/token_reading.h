// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What reading an answer learns beside Tokens: whether it fitted into the
// slots, and how each number held at 32767 was really typed, so that a
// message can name it as the player wrote it.

#include <cstdint>
#include <string>
#include <vector>

#include "answer/eval_outcome.h"

struct HeldNumber {
    int16_t Slot = 0;
    // The typed digits without leading zeros, at most HeldDigitsKept of them.
    std::u16string Digits;
};

// One more digit than a message shows, so it can tell that some were cut.
inline constexpr std::size_t HeldDigitsShown = 20;
inline constexpr std::size_t HeldDigitsKept = HeldDigitsShown + 1;

struct TokenReading {
    // Value, OutOfRange (a number past 32767) or TooLong (which wins).
    EvalOutcome Outcome = EvalOutcome::Value;
    std::vector<HeldNumber> Held;  // in slot order; empty for every usual answer
};
