// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every number token must be matched to its own drawn number, the lowest free
// index first. WrongNumber is written only when a token finds none left.

#include "game/decimal.h"
#include "game/form1.h"

int Form1::FirstMisusedSlot() const {
    OneBased<bool, NumberCount> used;
    for (int i = 1; i <= TokenSlots; ++i) {
        const int16_t token = State.Tokens[i];
        if (token <= 0) {
            continue;
        }
        bool matched = false;
        for (int j = 1; j <= NumberCount && !matched; ++j) {
            if (!used[j] && State.Numbers[j] == token) {
                used[j] = true;
                matched = true;
            }
        }
        if (!matched) {
            return i;
        }
    }
    return 0;
}

void Form1::NumbersValid(bool& valid) {
    const int slot = FirstMisusedSlot();
    valid = slot == 0;
    if (!valid) {
        State.WrongNumber = State.Tokens[slot];
    }
}

std::u16string Form1::MisusedNumberText(const TokenReading& reading) const {
    const int slot = FirstMisusedSlot();
    for (const HeldNumber& held : reading.Held) {
        if (held.Slot == slot) {
            return held.Digits.size() > HeldDigitsShown
                       ? held.Digits.substr(0, HeldDigitsShown) + u"\u2026"
                       : held.Digits;
        }
    }
    return Decimal(State.WrongNumber);
}
