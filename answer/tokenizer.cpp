// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reads the answer text into Tokens, one token per slot. Unknown characters
// only end a number. A token that finds no slot after the 30th makes the
// answer too long: reading stops there and nothing is written past slot 30.
// A number past 32767 is held at 32767 and reported, with its typed digits,
// so a slot never wraps to a value that would read as an operator code.
//
// The reading is a template over Observed: the game's instance is the plain
// reading, and only an observed one tells Observer each token.

#include <cstdint>
#include <limits>

#include "game/decimal.h"
#include "game/form1.h"

namespace {

constexpr int16_t MaxNumber = std::numeric_limits<int16_t>::max();

int16_t OperatorCode(char16_t c) {
    switch (c) {
        case u'+':
            return TokPlus;
        case u'-':
        case u'_':
            return TokMinus;
        case u'x':
        case u'X':
        case u'*':
            return TokTimes;
        case u'/':
        case u'\u00F7':
            return TokDivide;
        case u'(':
        case u'[':
            return TokOpen;
        case u')':
        case u']':
            return TokClose;
        default:
            return 0;
    }
}

}  // namespace

template <bool Observed>
void Form1::TokenizeAs(const std::u16string& answer, int16_t& lastSlot, TokenReading& reading) {
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
                if constexpr (Observed) {
                    Observer->OnRead({ReadKind::Stopped, lastSlot});
                }
                return false;
            }
            ++lastSlot;
        }
        if constexpr (Observed) {
            Observer->OnRead({ReadKind::Token, lastSlot});
        }
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
            if constexpr (Observed) {
                Observer->OnRead({ReadKind::Skipped, 0});
            }
            continue;
        }
        if (!startToken()) {
            return;
        }
        tokens[lastSlot] = code;
    }
}

void Form1::Tokenize(const std::u16string& answer, int16_t& lastSlot, TokenReading& reading) {
    if (Observer == nullptr) {
        TokenizeAs<false>(answer, lastSlot, reading);
    } else {
        TokenizeAs<true>(answer, lastSlot, reading);
    }
}
