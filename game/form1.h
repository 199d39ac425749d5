// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The one game window. It owns GameState and every procedure of the game;
// the procedures live in the folder of their subsystem (answer/, ...).
// Procedures hand their results back through reference arguments. It reaches
// its controls, dialogs, timer, random values and clock only through the
// FormsRuntime it is given, and includes no toolkit header.

#include <cstdint>
#include <string>

#include "answer/eval_observer.h"
#include "answer/eval_outcome.h"
#include "answer/eval_pass.h"
#include "answer/token_reading.h"
#include "game/game_state.h"
#include "game/solve_observer.h"
#include "runtime/forms_runtime.h"

class Form1 {
public:
    explicit Form1(FormsRuntime& runtime) : runtime_(runtime) {}

    GameState State;

    // Told every token read and every evaluation step; the game leaves it null.
    EvalObserver* Observer = nullptr;
    // Told once of each solved puzzle, before its best times; the game leaves it null.
    SolveObserver* SolveListener = nullptr;

    // game/form1_events.cpp: the four events the window handles.
    void FormLoad();
    void Command1Click();
    void Command2Click();
    void Timer1Tick();

    // game/puzzle_setup.cpp
    void NewPuzzle();
    void NewTarget();
    void DrawNumbers();
    void ShowNumbers();

    // answer/tokenizer.cpp: fills Tokens from the answer text. lastSlot is in
    // 1..30; reading tells whether the answer fitted and which typed numbers
    // went past 32767.
    void Tokenize(const std::u16string& answer, int16_t& lastSlot, TokenReading& reading);

    // answer/evaluator.cpp: the top-level pass over slots 1..lastSlot.
    // valueReached is meaningful only when outcome is EvalOutcome::Value.
    void EvalTopLevel(const int16_t& lastSlot, int16_t& valueReached, EvalOutcome& outcome);

    // position: on entry the slot of the opening parenthesis; on return the
    // slot that ended the group. result is set once, on return.
    void EvalGroup(int16_t& position, int16_t& result, EvalOutcome& outcome);

    // answer/numbers_valid.cpp: every number token must find its own drawn
    // number; on failure WrongNumber holds the first that did not.
    void NumbersValid(bool& valid);

    // The misused number as the player typed it: WrongNumber, or the digits
    // of a number held at 32767 (cut to 20 with "…"). Only after a failed
    // NumbersValid on the same Tokens.
    std::u16string MisusedNumberText(const TokenReading& reading) const;

    // answer/check_answer.cpp: the verdict box; a solved puzzle stops the
    // clock, disables Command1 and goes to RecordResult.
    void CheckAnswer(const std::u16string& answer);

    // records/record_result.cpp: enters a good enough total into Records
    // after asking for a name, then lists the table.
    void RecordResult(const int32_t& totalSeconds, const int16_t& valueReached);

    // answer/evaluate_answer.cpp: tokenizer then top-level pass, as a
    // submission runs them. An answer that was not read whole, or holds a
    // number past 32767, is not evaluated.
    void EvaluateAnswer(const std::u16string& answer, int16_t& valueReached, EvalOutcome& outcome,
                        TokenReading& reading);
    void EvaluateAnswer(const std::u16string& answer, int16_t& valueReached, EvalOutcome& outcome);

private:
    FormsRuntime& runtime_;

    // Tells Observer, when there is one, what reading and evaluating did.
    void Tell(const ReadEvent& event) {
        if (Observer != nullptr) [[unlikely]] {
            Observer->OnRead(event);
        }
    }
    void Tell(const StepEvent& event) {
        if (Observer != nullptr) [[unlikely]] {
            Observer->OnStep(event);
        }
    }
    void TreatToken(EvalPass& pass, int16_t& position, bool topLevel, EvalOutcome& outcome);
    void TreatNumber(EvalPass& pass, int16_t token, int16_t position, EvalOutcome& outcome);
    void TreatGroup(EvalPass& pass, int16_t& position, EvalOutcome& outcome);
    void Apply(EvalPass& pass, int16_t position, EvalOutcome& outcome);
    int16_t TokenAt(int16_t position) const;
    int FirstMisusedSlot() const;  // 0 when every number token found its own
};
