// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/confirm.h"

#include "game/form1.h"
#include "game/puzzle.h"
#include "runtime/null_runtime.h"
#include "solver/utf8.h"

Confirmation ConfirmAnswer(std::string_view text, int32_t value, std::span<const int16_t> numbers) {
    NullRuntime runtime;
    Form1 form(runtime);
    LoadNumbers(form.State, numbers);
    int16_t reached = 0;
    EvalOutcome outcome = EvalOutcome::Value;
    TokenReading reading;
    form.EvaluateAnswer(FromUtf8(text), reached, outcome, reading);
    bool valid = false;
    form.NumbersValid(valid);
    if (outcome != EvalOutcome::Value) {
        return {false, "el juego no le da valor"};
    }
    if (reached != value) {
        return {false,
                "el juego le da " + std::to_string(reached) + ", no " + std::to_string(value)};
    }
    if (!valid) {
        return {false, "usa números incorrectos: " + ToUtf8(form.MisusedNumberText(reading))};
    }
    return {true, {}};
}
