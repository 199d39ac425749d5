// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The first line of a verdict: the value reached, or why the answer has none.

#include <cstdint>
#include <string>

#include "answer/eval_outcome.h"
#include "game/decimal.h"

inline std::u16string ValueLine(int16_t valueReached, EvalOutcome outcome) {
    switch (outcome) {
        case EvalOutcome::Value:
            return Decimal(valueReached);
        case EvalOutcome::OutOfRange:
            return u"resultado fuera de rango";
        case EvalOutcome::DivisionByZero:
            return u"división por cero";
        case EvalOutcome::TooLong:
            return u"respuesta demasiado larga";
    }
    return {};
}
