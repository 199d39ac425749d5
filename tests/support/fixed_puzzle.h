// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A runtime whose every puzzle is target 250 with the numbers 2 3 5 7 10 100,
// for the end-to-end tests of each toolkit. Everything else is the runtime's.

#include <array>
#include <cstddef>

template <class Runtime>
class FixedPuzzle : public Runtime {
public:
    using Runtime::Runtime;

    float Rnd() override {
        static constexpr std::array<float, 13> Draws = {
            0.2495f, 0.0f, 0.15f, 0.0f, 0.25f, 0.0f, 0.45f, 0.0f, 0.55f, 0.0f, 0.85f, 0.9f, 0.99f};
        const float r = Draws[next_];
        next_ = (next_ + 1) % Draws.size();
        return r;
    }

private:
    std::size_t next_ = 0;
};
