// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The working values of one evaluation pass (the top level or one group).
// An accumulator of 0 also means "no value taken yet", which the token rules
// rely on.

#include <cstdint>

struct EvalPass {
    int16_t Accumulator = 0;
    int16_t PendingOperator = 0;  // a token code, 0 for none
    int16_t RightOperand = 0;
    bool Negate = false;  // a minus read while the accumulator was 0
};
