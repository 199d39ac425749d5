// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game with a known puzzle for the end-to-end tests: every puzzle is
// target 250 with the numbers 2 3 5 7 10 100. Everything else is the real game.

#include <array>
#include <cstddef>

#include "qt/run_game.h"

namespace {

class FixedPuzzleRuntime : public QtRuntime {
public:
    using QtRuntime::QtRuntime;

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

}  // namespace

int main(int /*argc*/, char* argv[]) {
    return RunGame(argv[0], [](GameWindow& window) {
        return std::make_unique<FixedPuzzleRuntime>(window, 0);
    });
}
