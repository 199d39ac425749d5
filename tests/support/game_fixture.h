// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A Form1 on the fake toolkit, started with a known time of day and draws.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "game/decimal.h"
#include "game/form1.h"
#include "tests/support/fake_runtime.h"

// Draws that make the target 250 and the numbers 2 3 5 7 10 100.
inline constexpr std::initializer_list<float> Puzzle250 = {
    0.2495f,                                   // target candidate 250
    0.0f,    0.15f, 0.0f, 0.25f, 0.0f, 0.45f,  // small 2, 3, 5
    0.0f,    0.55f, 0.0f, 0.85f, 0.9f, 0.99f,  // small 7, 10, big 100
};

class GameFixture : public testing::Test {
protected:
    GameFixture() { runtime.form = &form; }

    void Start(std::initializer_list<float> draws = Puzzle250, TimeOfDay at = {12, 30, 15}) {
        runtime.times = {at, at, at};
        runtime.draws.assign(draws.begin(), draws.end());
        form.FormLoad();
    }

    void Ticks(int count) {
        for (int i = 0; i < count; ++i) {
            runtime.Tick();
        }
    }

    std::u16string Shown(Control control) const { return runtime.Text(control); }

    FakeRuntime runtime;
    Form1 form{runtime};
};
