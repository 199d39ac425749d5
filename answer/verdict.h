// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a verdict says, in the game's box and from quorel-solucion alike.

#include <cstdint>
#include <string>
#include <string_view>

#include "answer/eval_outcome.h"
#include "game/decimal.h"

// Within this distance of the target, with valid numbers, a puzzle is solved.
inline constexpr int32_t MaxDistanceForSolved = 5;

// The first line: the value reached, or why the answer has none.
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

// The line on a misused number, as Form1::MisusedNumberText gives it.
inline std::u16string MisusedNumberLine(std::u16string_view misused) {
    return u"(ha usado números incorrectos: " + std::u16string(misused) + u")";
}
