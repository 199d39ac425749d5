// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The browser game with a known puzzle for the browser tests: every puzzle
// is target 250 with the numbers 2 3 5 7 10 100, by the desktop tests' draws.
// Everything else is the real page.

#include <array>
#include <cstddef>

#include "game/form1.h"
#include "web/web_runtime.h"

namespace {

class FixedPuzzleRuntime : public WebRuntime {
public:
    using WebRuntime::WebRuntime;

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

int main() {
    static FixedPuzzleRuntime runtime(0);
    static Form1 form(runtime);
    runtime.Run(form);
}
