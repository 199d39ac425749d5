// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Strict left-to-right evaluation of Tokens, with no operator precedence. An
// accumulator of 0 stands for "no value yet": the next number starts afresh.
// Each step is computed exactly in 32 bits; a result outside 16 bits, or a
// division by 0, stops the evaluation and the answer has no value.
//
// The passes are templates over Observed: the game's instance is the plain
// evaluation, and only an observed one tells Observer each step.

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
void TellApplied(EvalObserver* observer, const EvalPass& before, const EvalPass& after,
                 int16_t slot, EvalOutcome outcome) {
    if (before.PendingOperator == 0) {
        observer->OnStep(
            {.Kind = StepKind::GroupIgnored, .Slot = slot, .Value = before.RightOperand});
        return;
    }
    observer->OnStep({.Kind = StepKind::Applied,
                      .Slot = slot,
                      .Token = before.PendingOperator,
                      .Left = before.Accumulator,
                      .Right = before.RightOperand,
                      .Value = after.Accumulator,
                      .Outcome = outcome});
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

template <bool Observed>
void Form1::ApplyObserved(EvalPass& pass, int16_t position, EvalOutcome& outcome) {
    if constexpr (Observed) {
        const EvalPass before = pass;
        ApplyAndReset(pass, outcome);
        TellApplied(Observer, before, pass, position, outcome);
    } else {
        ApplyAndReset(pass, outcome);
    }
}

template <bool Observed>
void Form1::TreatToken(EvalPass& pass, int16_t& position, bool topLevel, EvalOutcome& outcome) {
    const int16_t token = TokenAt(position);
    if (token > 0) {
        if (pass.Accumulator == 0) {
            if constexpr (Observed) {
                Observer->OnStep({.Kind = StepKind::Start,
                                  .Slot = position,
                                  .Token = token,
                                  .Value = pass.Negate ? -token : token,
                                  .Negated = pass.Negate});
            }
            pass.Accumulator = pass.Negate ? static_cast<int16_t>(-token) : token;
            pass.Negate = false;
        } else if (pass.PendingOperator != 0) {
            pass.RightOperand = token;
            ApplyObserved<Observed>(pass, position, outcome);
        } else if constexpr (Observed) {
            Observer->OnStep({.Kind = StepKind::NumberIgnored, .Slot = position, .Token = token});
        }
        return;
    }
    switch (token) {
        case TokOpen:
            if (pass.Accumulator == 0) {
                // The group becomes the accumulator; a pending minus waits on.
                EvalGroupAs<Observed>(position, pass.Accumulator, outcome);
                if constexpr (Observed) {
                    if (outcome == EvalOutcome::Value) {
                        Observer->OnStep({.Kind = StepKind::GroupIsValue,
                                          .Slot = position,
                                          .Value = pass.Accumulator,
                                          .Negated = pass.Negate});
                    }
                }
            } else {
                EvalGroupAs<Observed>(position, pass.RightOperand, outcome);
                if (outcome == EvalOutcome::Value) {
                    ApplyObserved<Observed>(pass, position, outcome);
                }
            }
            return;
        case TokPlus:
        case TokMinus:
        case TokTimes:
        case TokDivide:
            if (token == TokMinus && pass.Accumulator == 0) {
                pass.Negate = true;
            } else {
                pass.PendingOperator = token;
            }
            if constexpr (Observed) {
                const bool negate = token == TokMinus && pass.Accumulator == 0;
                Observer->OnStep({.Kind = negate ? StepKind::NegateSet : StepKind::OperatorSet,
                                  .Slot = position,
                                  .Token = token});
            }
            return;
        case 0:
            if (topLevel) {
                if constexpr (Observed) {
                    Observer->OnStep({.Kind = StepKind::PendingCleared,
                                      .Slot = position,
                                      .Token = pass.PendingOperator});
                }
                pass.PendingOperator = 0;
            }
            return;
        default:  // a closing parenthesis outside any group
            if constexpr (Observed) {
                Observer->OnStep(
                    {.Kind = StepKind::CloseIgnored, .Slot = position, .Token = token});
            }
            return;
    }
}

template <bool Observed>
void Form1::EvalGroupAs(int16_t& position, int16_t& result, EvalOutcome& outcome) {
    if constexpr (Observed) {
        Observer->OnStep({.Kind = StepKind::GroupOpened, .Slot = position, .Token = TokOpen});
    }
    EvalPass pass;
    ++position;
    while (true) {
        const int16_t token = TokenAt(position);
        if (token == TokClose || token == 0) {
            result = pass.Accumulator;
            if constexpr (Observed) {
                Observer->OnStep({.Kind = StepKind::GroupClosed,
                                  .Slot = position,
                                  .Token = token,
                                  .Value = pass.Accumulator});
            }
            return;
        }
        TreatToken<Observed>(pass, position, false, outcome);
        if (outcome != EvalOutcome::Value) {
            return;
        }
        ++position;
    }
}

template <bool Observed>
void Form1::EvalTopLevelAs(const int16_t& lastSlot, int16_t& valueReached, EvalOutcome& outcome) {
    EvalPass pass;
    pass.PendingOperator = TokPlus;
    outcome = EvalOutcome::Value;
    for (int16_t i = 1; i <= lastSlot; ++i) {
        TreatToken<Observed>(pass, i, true, outcome);
        if (outcome != EvalOutcome::Value) {
            valueReached = 0;
            return;
        }
    }
    valueReached = pass.Accumulator;
}

void Form1::EvalGroup(int16_t& position, int16_t& result, EvalOutcome& outcome) {
    if (Observer == nullptr) {
        EvalGroupAs<false>(position, result, outcome);
    } else {
        EvalGroupAs<true>(position, result, outcome);
    }
}

void Form1::EvalTopLevel(const int16_t& lastSlot, int16_t& valueReached, EvalOutcome& outcome) {
    if (Observer == nullptr) {
        EvalTopLevelAs<false>(lastSlot, valueReached, outcome);
    } else {
        EvalTopLevelAs<true>(lastSlot, valueReached, outcome);
    }
}
