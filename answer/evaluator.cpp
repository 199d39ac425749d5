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

// The game's evaluation tells no one; an observed one tells every step. Two
// instances of one evaluation, so the game's has no test per token.
struct NoStepHook {
    static constexpr bool Observed = false;
    void operator()(const StepEvent&) const {}
};

struct ObserverStepHook {
    static constexpr bool Observed = true;
    EvalObserver* observer;
    void operator()(const StepEvent& event) const { observer->OnStep(event); }
};

template <typename Hook>
class Evaluation {
public:
    Evaluation(const OneBased<int16_t, TokenSlots>& tokens, Hook hook)
        : tokens_(tokens), hook_(hook) {}

    void TopLevel(int16_t lastSlot, int16_t& valueReached, EvalOutcome& outcome) {
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

    void Group(int16_t& position, int16_t& result, EvalOutcome& outcome) {
        hook_({.Kind = StepKind::GroupOpened, .Slot = position, .Token = TokOpen});
        EvalPass pass;
        ++position;
        while (true) {
            const int16_t token = TokenAt(position);
            if (token == TokClose || token == 0) {
                result = pass.Accumulator;
                hook_({.Kind = StepKind::GroupClosed,
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

private:
    // A position past the buffer reads as an empty slot, so an unclosed group
    // that runs off the end stops there.
    int16_t TokenAt(int16_t position) const {
        if (position < 1 || position > TokenSlots) {
            return 0;
        }
        return tokens_[position];
    }

    void ApplyAndReset(EvalPass& pass, EvalOutcome& outcome, int16_t slot) {
        const EvalPass before = pass;
        ApplyPending(pass, outcome);
        pass.PendingOperator = 0;
        pass.RightOperand = 0;
        if constexpr (Hook::Observed) {
            if (before.PendingOperator == 0) {
                hook_({.Kind = StepKind::GroupIgnored, .Slot = slot, .Value = before.RightOperand});
            } else {
                hook_({.Kind = StepKind::Applied,
                       .Slot = slot,
                       .Token = before.PendingOperator,
                       .Left = before.Accumulator,
                       .Right = before.RightOperand,
                       .Value = pass.Accumulator,
                       .Outcome = outcome});
            }
        }
    }

    void TreatToken(EvalPass& pass, int16_t& position, bool topLevel, EvalOutcome& outcome) {
        const int16_t token = TokenAt(position);
        if (token > 0) {
            if (pass.Accumulator == 0) {
                const bool negated = pass.Negate;
                pass.Accumulator = pass.Negate ? static_cast<int16_t>(-token) : token;
                pass.Negate = false;
                hook_({.Kind = StepKind::Start,
                       .Slot = position,
                       .Token = token,
                       .Value = pass.Accumulator,
                       .Negated = negated});
            } else if (pass.PendingOperator != 0) {
                pass.RightOperand = token;
                ApplyAndReset(pass, outcome, position);
            } else {
                hook_({.Kind = StepKind::NumberIgnored, .Slot = position, .Token = token});
            }
            return;
        }
        switch (token) {
            case TokOpen:
                if (pass.Accumulator == 0) {
                    // The group becomes the accumulator; a pending minus waits on.
                    Group(position, pass.Accumulator, outcome);
                    if (outcome == EvalOutcome::Value) {
                        hook_({.Kind = StepKind::GroupIsValue,
                               .Slot = position,
                               .Value = pass.Accumulator,
                               .Negated = pass.Negate});
                    }
                } else {
                    Group(position, pass.RightOperand, outcome);
                    if (outcome == EvalOutcome::Value) {
                        ApplyAndReset(pass, outcome, position);
                    }
                }
                return;
            case TokPlus:
            case TokMinus:
            case TokTimes:
            case TokDivide:
                if (token == TokMinus && pass.Accumulator == 0) {
                    pass.Negate = true;
                    hook_({.Kind = StepKind::NegateSet, .Slot = position, .Token = token});
                } else {
                    pass.PendingOperator = token;
                    hook_({.Kind = StepKind::OperatorSet, .Slot = position, .Token = token});
                }
                return;
            case 0:
                if (topLevel) {
                    hook_({.Kind = StepKind::PendingCleared,
                           .Slot = position,
                           .Token = pass.PendingOperator});
                    pass.PendingOperator = 0;
                }
                return;
            default:  // a closing parenthesis outside any group
                hook_({.Kind = StepKind::CloseIgnored, .Slot = position, .Token = token});
                return;
        }
    }

    const OneBased<int16_t, TokenSlots>& tokens_;
    Hook hook_;
};

}  // namespace

void Form1::EvalGroup(int16_t& position, int16_t& result, EvalOutcome& outcome) {
    if (Observer == nullptr) {
        Evaluation(State.Tokens, NoStepHook{}).Group(position, result, outcome);
    } else {
        Evaluation(State.Tokens, ObserverStepHook{Observer}).Group(position, result, outcome);
    }
}

void Form1::EvalTopLevel(const int16_t& lastSlot, int16_t& valueReached, EvalOutcome& outcome) {
    if (Observer == nullptr) {
        Evaluation(State.Tokens, NoStepHook{}).TopLevel(lastSlot, valueReached, outcome);
    } else {
        Evaluation(State.Tokens, ObserverStepHook{Observer})
            .TopLevel(lastSlot, valueReached, outcome);
    }
}
