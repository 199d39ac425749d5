// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's four events. Handlers keep no state of their own.

#include <limits>

#include "game/decimal.h"
#include "game/form1.h"

void Form1::FormLoad() {
    // Three readings, in this order: second, minute, hour.
    const int second = runtime_.Now().Second;
    const int minute = runtime_.Now().Minute;
    const int hour = runtime_.Now().Hour;
    const int32_t seed = (int32_t{second} * minute) * hour;  // at most 80063
    runtime_.Randomize(seed);
    for (RecordEntry& entry : State.Records) {
        entry.Seconds = NoRecordTime;
    }
    NewTarget();
    DrawNumbers();
}

void Form1::Command1Click() {
    const std::u16string answer = runtime_.Text(Control::Text3);
    CheckAnswer(answer);
}

void Form1::Command2Click() {
    NewPuzzle();
}

void Form1::Timer1Tick() {
    // Stops at the 32-bit limit (some 68 years) instead of wrapping.
    if (State.ElapsedSeconds < std::numeric_limits<int32_t>::max()) {
        ++State.ElapsedSeconds;
    }
    runtime_.SetCaption(Control::Label1, Decimal(State.ElapsedSeconds / 60) + u":" +
                                             Decimal(State.ElapsedSeconds % 60));
}
