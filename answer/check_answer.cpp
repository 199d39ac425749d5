// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The verdict on a submitted answer: one box with the value reached, a misused
// number, the time and the penalty. Within 5 of the target with valid numbers
// the puzzle is solved: the clock stops and the result goes to the table.
// An answer without a value (too long, out of range, division by zero) never
// solves.

#include <cstdlib>
#include <limits>

#include "answer/verdict.h"
#include "game/decimal.h"
#include "game/form1.h"

void Form1::CheckAnswer(const std::u16string& answer) {
    int16_t valueReached = 0;
    EvalOutcome outcome = EvalOutcome::Value;
    TokenReading reading;
    EvaluateAnswer(answer, valueReached, outcome, reading);

    // In 32 bits: -32768 lies 33768 from a target of 1000.
    const bool hasValue = outcome == EvalOutcome::Value;
    const int32_t distance = std::abs(int32_t{State.Target} - int32_t{valueReached});
    const bool close = hasValue && distance <= MaxDistanceForSolved;
    const int16_t penalty = close ? static_cast<int16_t>(distance * 10) : int16_t{0};

    bool valid = false;
    NumbersValid(valid);

    std::u16string message = ValueLine(valueReached, outcome);
    if (!valid) {
        message += u"\r\n" + MisusedNumberLine(MisusedNumberText(reading));
    }
    if (close) {
        message += u"\r\ntiempo = " + Decimal(State.ElapsedSeconds / 60) + u" minutos y " +
                   Decimal(State.ElapsedSeconds % 60) + u" segundos.";
    }
    if (penalty > 0) {
        message += u" más " + Decimal(penalty) + u" segundos de penalización.";
    }
    runtime_.MsgBox(message);

    NumbersValid(valid);
    if (!close || !valid) {
        return;
    }
    runtime_.SetTimerEnabled(false);
    runtime_.SetEnabled(Control::Command1, false);
    // Read after the box closed: ticks while it was open count. Never wraps.
    const int64_t exact = int64_t{penalty} + State.ElapsedSeconds;
    const int32_t totalSeconds = exact > std::numeric_limits<int32_t>::max()
                                     ? std::numeric_limits<int32_t>::max()
                                     : static_cast<int32_t>(exact);
    if (SolveListener != nullptr) {
        SolveListener->OnSolved(totalSeconds, penalty);
    }
    RecordResult(totalSeconds, valueReached);
}
