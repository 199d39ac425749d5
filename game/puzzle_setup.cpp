// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Drawing a puzzle: the target, six numbers sorted ascending, the empty answer
// box and the clock back at zero. Each puzzle takes exactly 13 draws.

#include <algorithm>
#include <cmath>

#include "game/decimal.h"
#include "game/form1.h"

namespace {

// Int of the exact product: a float times a small whole number is exact in
// double, so nothing is rounded before the floor.
int Int(float r, int factor) {
    return static_cast<int>(std::floor(double{r} * factor));
}

}  // namespace

void Form1::NewPuzzle() {
    runtime_.SetEnabled(Control::Command1, true);
    NewTarget();
    DrawNumbers();
    State.WrongNumber = 0;
    runtime_.SetFocus(Control::Text1);
}

void Form1::NewTarget() {
    float candidate = static_cast<float>(Int(runtime_.Rnd(), HighestTarget) + 1);
    while (candidate < LowestTarget) {
        candidate *= 10;
    }
    State.Target = static_cast<int16_t>(candidate);
    runtime_.SetText(Control::Text1, Decimal(State.Target));
    runtime_.SetTimerEnabled(true);
    State.ElapsedSeconds = 0;
}

void Form1::DrawNumbers() {
    runtime_.SetText(Control::Text2, u"");
    for (int i = 1; i <= NumberCount; ++i) {
        // The big-or-small test rounds r x 10 to single precision first.
        const float scaled = static_cast<float>(double{runtime_.Rnd()} * 10);
        const bool big = scaled > 8;
        const float r2 = runtime_.Rnd();
        const int number = big ? (Int(r2, 4) + 1) * 25 : Int(r2, 11) + 1;
        State.Numbers[i] = static_cast<int16_t>(number);
    }
    ShowNumbers();
}

void Form1::ShowNumbers() {
    runtime_.SetText(Control::Text3, u"");
    // Ascending; equal numbers are alike, so any sort gives the same order.
    std::sort(State.Numbers.begin(), State.Numbers.end());
    for (const int16_t number : State.Numbers) {
        runtime_.SetText(Control::Text2, runtime_.Text(Control::Text2) + Decimal(number) + u" ");
    }
}
