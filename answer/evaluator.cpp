// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Strict left-to-right evaluation of Tokens, with no operator precedence. An
// accumulator of 0 stands for "no value yet": the next number starts afresh.
// Each step is computed exactly in 32 bits; a result outside 16 bits, or a
// division by 0, stops the evaluation and the answer has no value.

#include <cstdint>

#include "answer/step_arithmetic.h"
#include "game/form1.h"

namespace {

// Applies the pending operator; an unknown or absent one leaves the accumulator.
void ApplyPending(EvalPass& pass, EvalOutcome& outcome) {
    switch (pass.PendingOperator) {
        case TokPlus:
        case TokMinus:
        case TokTimes:
            break;
        case TokDivide:
            if (pass.RightOperand == 0) {
                outcome = EvalOutcome::DivisionByZero;
                return;
            }
            break;
        default:
            return;
    }
    const int32_t exact = ExactStep(pass.PendingOperator, pass.Accumulator, pass.RightOperand);
    if (!InStepRange(exact)) {
        outcome = EvalOutcome::OutOfRange;
        return;
    }
    pass.Accumulator = static_cast<int16_t>(exact);
}

void ApplyAndReset(EvalPass& pass, EvalOutcome& outcome) {
    ApplyPending(pass, outcome);
    pass.PendingOperator = 0;
    pass.RightOperand = 0;
}

// The step just applied, or a group's value that found no operator.
StepEvent AppliedStep(const EvalPass& before, const EvalPass& after, int16_t slot,
                      EvalOutcome outcome) {
    if (before.PendingOperator == 0) {
        return {.Kind = StepKind::GroupIgnored, .Slot = slot, .Value = before.RightOperand};
    }
    return {.Kind = StepKind::Applied,
            .Slot = slot,
            .Token = before.PendingOperator,
            .Left = before.Accumulator,
            .Right = before.RightOperand,
            .Value = after.Accumulator,
            .Outcome = outcome};
}

}  // namespace

// A position past the buffer reads as an empty slot, so an unclosed group
// that runs off the end stops there.
int16_t Form1::TokenAt(int16_t position) const {
    if (position < 1 || position > TokenSlots) {
        return 0;
    }
    return State.Tokens[position];
}

void Form1::Apply(EvalPass& pass, int16_t position, EvalOutcome& outcome) {
    const EvalPass before = pass;
    ApplyAndReset(pass, outcome);
    Tell(AppliedStep(before, pass, position, outcome));
}

// A number starts the pass's value when it has none (0), else meets the
// pending operator; with neither it is ignored.
void Form1::TreatNumber(EvalPass& pass, int16_t token, int16_t position, EvalOutcome& outcome) {
    if (pass.Accumulator == 0) {
        Tell({.Kind = StepKind::Start,
              .Slot = position,
              .Token = token,
              .Value = pass.Negate ? -token : token,
              .Negated = pass.Negate});
        pass.Accumulator = pass.Negate ? static_cast<int16_t>(-token) : token;
        pass.Negate = false;
    } else if (pass.PendingOperator != 0) {
        pass.RightOperand = token;
        Apply(pass, position, outcome);
    } else {
        Tell({.Kind = StepKind::NumberIgnored, .Slot = position, .Token = token});
    }
}

// A group is evaluated first, then taken as a number would be, except that
// a pending minus waits on.
void Form1::TreatGroup(EvalPass& pass, int16_t& position, EvalOutcome& outcome) {
    if (pass.Accumulator == 0) {
        EvalGroup(position, pass.Accumulator, outcome);
        if (outcome == EvalOutcome::Value) {
            Tell({.Kind = StepKind::GroupIsValue,
                  .Slot = position,
                  .Value = pass.Accumulator,
                  .Negated = pass.Negate});
        }
        return;
    }
    EvalGroup(position, pass.RightOperand, outcome);
    if (outcome == EvalOutcome::Value) {
        Apply(pass, position, outcome);
    }
}

void Form1::TreatToken(EvalPass& pass, int16_t& position, bool topLevel, EvalOutcome& outcome) {
    const int16_t token = TokenAt(position);
    if (token > 0) {
        TreatNumber(pass, token, position, outcome);
        return;
    }
    switch (token) {
        case TokOpen:
            TreatGroup(pass, position, outcome);
            return;
        case TokPlus:
        case TokMinus:
        case TokTimes:
        case TokDivide: {
            const bool negate = token == TokMinus && pass.Accumulator == 0;
            if (negate) {
                pass.Negate = true;
            } else {
                pass.PendingOperator = token;
            }
            Tell({.Kind = negate ? StepKind::NegateSet : StepKind::OperatorSet,
                  .Slot = position,
                  .Token = token});
            return;
        }
        case 0:
            if (topLevel) {
                Tell({.Kind = StepKind::PendingCleared,
                      .Slot = position,
                      .Token = pass.PendingOperator});
                pass.PendingOperator = 0;
            }
            return;
        default:  // a closing parenthesis outside any group
            Tell({.Kind = StepKind::CloseIgnored, .Slot = position, .Token = token});
            return;
    }
}

void Form1::EvalGroup(int16_t& position, int16_t& result, EvalOutcome& outcome) {
    Tell({.Kind = StepKind::GroupOpened, .Slot = position, .Token = TokOpen});
    EvalPass pass;
    ++position;
    while (true) {
        const int16_t token = TokenAt(position);
        if (token == TokClose || token == 0) {
            result = pass.Accumulator;
            Tell({.Kind = StepKind::GroupClosed,
                  .Slot = position,
                  .Token = token,
                  .Value = pass.Accumulator});
            return;
        }
        TreatToken(pass, position, false, outcome);
        if (outcome != EvalOutcome::Value) {
            return;
        }
        ++position;
    }
}

void Form1::EvalTopLevel(const int16_t& lastSlot, int16_t& valueReached, EvalOutcome& outcome) {
    EvalPass pass;
    pass.PendingOperator = TokPlus;
    outcome = EvalOutcome::Value;
    for (int16_t i = 1; i <= lastSlot; ++i) {
        TreatToken(pass, i, true, outcome);
        if (outcome != EvalOutcome::Value) {
            valueReached = 0;
            return;
        }
    }
    valueReached = pass.Accumulator;
}
