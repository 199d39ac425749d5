// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Drawing a puzzle: the target, six numbers sorted ascending, the empty answer
// box and the clock back at zero. Each puzzle takes exactly 13 draws.

#include <algorithm>
#include <cmath>

#include "game/deal.h"
#include "game/decimal.h"
#include "game/form1.h"

namespace {

// Int of the exact product: a float times a small whole number is exact in
// double, so nothing is rounded before the floor.
int Int(float r, int factor) {
    return static_cast<int>(std::floor(double{r} * factor));
}

// A draw r with Int(r x factor) = value, halfway along the values that give
// it: a float's rounding, a few parts in 10^8, stays far inside them.
float DrawFor(int value, int factor) {
    return static_cast<float>((value + 0.5) / factor);
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

std::array<float, DrawsPerPuzzle> DrawsFor(const Puzzle& puzzle) {
    // The target as its own candidate: from 100 up, the x10 loop leaves it.
    std::array<float, DrawsPerPuzzle> draws{DrawFor(puzzle.Target - 1, HighestTarget)};
    for (std::size_t i = 0; i < NumberCount && i < puzzle.Numbers.size(); ++i) {
        const int number = puzzle.Numbers[i];
        const bool big = number > 11;
        draws[1 + 2 * i] = big ? 0.9f : 0.5f;  // r x 10 is 9 or 5: either side of 8
        draws[2 + 2 * i] = big ? DrawFor(number / 25 - 1, 4) : DrawFor(number - 1, 11);
    }
    return draws;
}
