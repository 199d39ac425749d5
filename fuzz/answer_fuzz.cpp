// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Feeds arbitrary UTF-16 text through tokenizer, evaluator and number-use
// check, and traps when an invariant of the token buffer breaks.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "game/form1.h"
#include "tests/support/fake_runtime.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool IsOperator(char16_t c) {
    return std::u16string_view(u"+-_xX*/\u00F7([)]").find(c) != std::u16string_view::npos;
}

// Counted apart from the tokenizer: the slots the answer needs. Leading
// numbers of value 0 share slot 1 with whatever comes next.
std::size_t SlotsNeeded(const std::u16string& answer) {
    std::size_t tokens = 0;
    std::size_t leadingZeros = 0;
    bool inNumber = false;
    bool numberIsZero = false;
    bool onlyZerosSoFar = true;
    auto endNumber = [&] {
        if (inNumber && onlyZerosSoFar) {
            if (numberIsZero) {
                ++leadingZeros;
            } else {
                onlyZerosSoFar = false;
            }
        }
        inNumber = false;
    };
    for (const char16_t c : answer) {
        if (c >= u'0' && c <= u'9') {
            if (!inNumber) {
                ++tokens;
                inNumber = true;
                numberIsZero = true;
            }
            numberIsZero = numberIsZero && c == u'0';
            continue;
        }
        endNumber();
        if (IsOperator(c)) {
            ++tokens;
            onlyZerosSoFar = false;
        }
    }
    endNumber();
    if (tokens == leadingZeros) {
        return tokens == 0 ? 0 : 1;
    }
    return tokens - leadingZeros;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FakeRuntime runtime;
    Form1 form(runtime);
    // The first six bytes draw the numbers; the rest is the answer.
    std::size_t at = 0;
    for (int j = 1; j <= NumberCount; ++j) {
        const uint8_t b = at < size ? data[at++] : 0;
        form.State.Numbers[j] = static_cast<int16_t>(b % 2 == 0 ? b % 11 + 1 : (b % 4 + 1) * 25);
    }
    std::u16string answer;
    for (; at + 1 < size; at += 2) {
        answer.push_back(static_cast<char16_t>(data[at] | (data[at + 1] << 8)));
    }

    int16_t lastSlot = 0;
    TokenReading reading;
    form.Tokenize(answer, lastSlot, reading);
    Require(lastSlot >= 1 && lastSlot <= TokenSlots);
    // Too long exactly when the answer needs more than the 30 slots.
    const bool tooLong = SlotsNeeded(answer) > TokenSlots;
    Require((reading.Outcome == EvalOutcome::TooLong) == tooLong);
    Require(!tooLong || lastSlot == TokenSlots);
    Require(reading.Outcome != EvalOutcome::DivisionByZero);
    for (const HeldNumber& held : reading.Held) {
        Require(held.Slot >= 1 && held.Slot <= lastSlot && form.State.Tokens[held.Slot] == 32767);
        Require(held.Digits.size() >= 5 && held.Digits.size() <= HeldDigitsKept);
        Require(held.Digits[0] != u'0');
    }
    for (int i = 1; i <= TokenSlots; ++i) {
        const int16_t token = form.State.Tokens[i];
        Require((token >= 0 && token <= 32767) || (token >= TokClose && token <= TokPlus));
        Require(i <= lastSlot || token == 0);
    }

    int16_t value = 0;
    EvalOutcome outcome = EvalOutcome::Value;
    form.EvalTopLevel(lastSlot, value, outcome);
    Require(outcome == EvalOutcome::Value || value == 0);
    Require(outcome != EvalOutcome::TooLong);

    // A whole submission: too long, or a held number, leaves no value.
    FakeRuntime wholeRuntime;
    Form1 whole(wholeRuntime);
    TokenReading wholeReading;
    whole.EvaluateAnswer(answer, value, outcome, wholeReading);
    if (reading.Outcome != EvalOutcome::Value) {
        Require(outcome == reading.Outcome && value == 0);
    }

    constexpr int16_t Marker = -12345;
    form.State.WrongNumber = Marker;
    bool valid = false;
    form.NumbersValid(valid);
    Require(valid == (form.State.WrongNumber == Marker));
    Require(valid || form.State.WrongNumber > 0);
    return 0;
}
