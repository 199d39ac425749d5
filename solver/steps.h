// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How the game reads and evaluates an answer, shown step by step in Spanish:
// the tokens it takes and what it skips, then each step in the game's order,
// groups included, naming the game's quirks where they act. The steps are
// the game's own evaluation, told by its observer hook.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "answer/eval_outcome.h"
#include "game/puzzle.h"

struct StepsShown {
    std::string Text;  // lines, each ending in a line break
    int16_t Value = 0;
    EvalOutcome Outcome = EvalOutcome::Value;
    bool NumbersValid = true;  // as the game's check finds them, with a puzzle
};

// With a puzzle, also names a misused number as the game's box does.
StepsShown ShowSteps(std::u16string_view answer, const std::optional<Puzzle>& puzzle);
