// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A puzzle as it is typed or linked: a target and one to six numbers.

#include <cstdint>
#include <span>
#include <vector>

#include "game/game_state.h"

struct Puzzle {
    int32_t Target = 0;
    std::vector<int16_t> Numbers;
};

// The numbers where the game keeps them, from slot 1; it holds six at most.
inline void LoadNumbers(GameState& state, std::span<const int16_t> numbers) {
    for (std::size_t i = 0; i < numbers.size() && i < NumberCount; ++i) {
        state.Numbers[static_cast<int>(i) + 1] = numbers[i];
    }
}
