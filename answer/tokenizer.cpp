// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reads the answer text into Tokens, one token per slot. Unknown characters
// only end a number. A token that finds no slot after the 30th makes the
// answer too long: reading stops there and nothing is written past slot 30.
// A number past 32767 is held at 32767 and reported, with its typed digits,
// so a slot never wraps to a value that would read as an operator code.

#include <cstdint>
#include <limits>

#include "answer/token_symbols.h"
#include "game/decimal.h"
#include "game/form1.h"

namespace {

constexpr int16_t MaxNumber = std::numeric_limits<int16_t>::max();

}  // namespace

void Form1::Tokenize(const std::u16string& answer, int16_t& lastSlot, TokenReading& reading) {
    auto& tokens = State.Tokens;
    tokens.Fill(0);
    lastSlot = 1;
    reading = TokenReading{};
    bool inNumber = false;

    // The first token goes into slot 1, every later one into the next slot;
    // only a leading number 0 is overwritten. False when the buffer is full:
    // the answer is too long and reading stops.
    auto startToken = [&]() {
        if (tokens[lastSlot] != 0 || lastSlot > 1) {
            if (lastSlot == TokenSlots) {
                reading.Outcome = EvalOutcome::TooLong;
                Tell({ReadKind::Stopped, lastSlot});
                return false;
            }
            ++lastSlot;
        }
        Tell({ReadKind::Token, lastSlot});
        return true;
    };

    for (const char16_t c : answer) {
        if (c >= u'0' && c <= u'9') {
            const int digit = c - u'0';
            if (inNumber) {
                const bool held = !reading.Held.empty() && reading.Held.back().Slot == lastSlot;
                if (held) {
                    std::u16string& digits = reading.Held.back().Digits;
                    if (digits.size() < HeldDigitsKept) {
                        digits.push_back(c);
                    }
                    continue;
                }
                const int32_t value = int32_t{tokens[lastSlot]} * 10 + digit;
                if (value > MaxNumber) {
                    reading.Held.push_back({lastSlot, Decimal(tokens[lastSlot]) + c});
                    tokens[lastSlot] = MaxNumber;
                    reading.Outcome = EvalOutcome::OutOfRange;
                } else {
                    tokens[lastSlot] = static_cast<int16_t>(value);
                }
                continue;
            }
            if (!startToken()) {
                return;
            }
            tokens[lastSlot] = static_cast<int16_t>(digit);
            inNumber = true;
            continue;
        }
        inNumber = false;
        const int16_t code = OperatorCode(c);
        if (code == 0) {
            Tell({ReadKind::Skipped, 0});
            continue;
        }
        if (!startToken()) {
            return;
        }
        tokens[lastSlot] = code;
    }
}
