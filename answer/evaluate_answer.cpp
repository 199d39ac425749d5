// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Tokenizer and top-level pass together, as one submission runs them. An
// answer that was not read whole, or holds a number past 32767, has no value.

#include "game/form1.h"

void Form1::EvaluateAnswer(const std::u16string& answer, int16_t& valueReached,
                           EvalOutcome& outcome, TokenReading& reading) {
    int16_t lastSlot = 1;
    Tokenize(answer, lastSlot, reading);
    if (reading.Outcome != EvalOutcome::Value) {
        valueReached = 0;
        outcome = reading.Outcome;
        return;
    }
    EvalTopLevel(lastSlot, valueReached, outcome);
}

void Form1::EvaluateAnswer(const std::u16string& answer, int16_t& valueReached,
                           EvalOutcome& outcome) {
    TokenReading reading;
    EvaluateAnswer(answer, valueReached, outcome, reading);
}
