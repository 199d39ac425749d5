// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game. No command line, no environment, no files.

#include <random>

#include "qt/run_game.h"

int main(int /*argc*/, char* argv[]) {
    return RunGame(argv[0], [](GameWindow& window) {
        std::random_device entropy;
        return std::make_unique<QtRuntime>(window, (uint64_t{entropy()} << 32) | entropy());
    });
}
