// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game with a known puzzle for the end-to-end tests. Everything else is
// the real game.

#include "qt/run_game.h"
#include "tests/support/fixed_puzzle.h"

int main(int /*argc*/, char* argv[]) {
    return RunGame(argv[0], [](GameWindow& window) {
        return std::make_unique<FixedPuzzle<QtRuntime>>(window, 0);
    });
}
