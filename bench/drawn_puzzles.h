// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Puzzles drawn as the game draws them, with its own draw code and generator
// on a fixed seed: the same series on every run, for the measurements.

#include <vector>

#include "game/form1.h"
#include "game/puzzle.h"
#include "runtime/null_runtime.h"
#include "runtime/random_generator.h"

inline std::vector<Puzzle> DrawnPuzzles(int count) {
    class DrawingRuntime : public NullRuntime {
    public:
        DrawingRuntime() { random_.Reseed(12345); }
        float Rnd() override { return random_.Next(); }

    private:
        RandomGenerator random_{20240601};
    } runtime;
    Form1 form(runtime);
    std::vector<Puzzle> drawn;
    for (int i = 0; i < count; ++i) {
        form.NewTarget();
        form.DrawNumbers();
        Puzzle puzzle{form.State.Target, {}};
        for (const int16_t n : form.State.Numbers) {
            puzzle.Numbers.push_back(n);
        }
        drawn.push_back(puzzle);
    }
    return drawn;
}
