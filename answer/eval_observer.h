// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What reading and evaluating an answer does, one event at a time, for a
// program that shows a player the game's steps. The game observes nothing:
// Form1::Observer stays null, and each event costs it one test of that.

#include <cstdint>

#include "answer/eval_outcome.h"

// One event per character of the answer, in order, except the digits that
// continue a number: those extend the token their first digit started.
enum class ReadKind : uint8_t {
    Token,    // a token starts here and goes into Slot
    Skipped,  // a character that is no token
    Stopped,  // a token that found no slot: reading ends, the answer is too long
};

struct ReadEvent {
    ReadKind Kind = ReadKind::Token;
    int16_t Slot = 0;
};

enum class StepKind : uint8_t {
    Start,           // Token became the pass's value as Value (Negated: a minus acted)
    NumberIgnored,   // Token found no pending operator
    NegateSet,       // a minus with no value yet: the next number starts negated
    OperatorSet,     // Token is now the pending operator
    Applied,         // Left Token Right gave Value, or Outcome when it has none
    GroupOpened,     // at Slot
    GroupClosed,     // gives Value; Token is what ended it: TokClose, or 0 (empty slot)
    GroupIsValue,    // the group's Value became the pass's value, as a first number would
    GroupIgnored,    // the group's Value found no pending operator
    PendingCleared,  // a typed 0 at the top level dropped the pending operator Token
    CloseIgnored,    // a closing parenthesis outside any group
};

struct StepEvent {
    StepKind Kind = StepKind::Start;
    int16_t Slot = 0;
    int16_t Token = 0;  // a number, or an operator code
    int32_t Left = 0;
    int32_t Right = 0;
    int32_t Value = 0;
    EvalOutcome Outcome = EvalOutcome::Value;
    bool Negated = false;
};

class EvalObserver {
public:
    virtual ~EvalObserver() = default;
    virtual void OnRead(const ReadEvent& event) = 0;
    virtual void OnStep(const StepEvent& event) = 0;
};
