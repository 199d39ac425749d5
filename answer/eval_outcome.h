// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How the reading and evaluation of an answer ended. Only Value carries a
// value reached; the others mean the answer has none and can never solve the
// puzzle.

#include <cstdint>

enum class EvalOutcome : uint8_t {
    Value,           // evaluated to its end
    OutOfRange,      // a typed number or a step left the 16-bit signed range
    DivisionByZero,  // a divisor (a group of value 0) was 0
    TooLong,         // a token did not fit into the 30 slots: the answer was not read whole
};
