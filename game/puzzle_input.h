// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A puzzle as it is typed or linked, on the command line, in the solver
// page's form or in a link to the game: a target and one to six numbers,
// each a word, read with what is wrong with each field in words a player
// knows.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/puzzle.h"

enum class Field { Target, Numbers };

struct FieldError {
    Field Where;
    // A phrase in lower case that quotes the value: "el número «0» no está
    // entre 1 y 32767".
    std::string Message;
};

struct PuzzleInput {
    std::optional<Puzzle> Read;      // when both fields are right
    std::vector<FieldError> Errors;  // the target's first, then the numbers'
};

// target is absent when not given; numbers are the words of the second field.
PuzzleInput ReadPuzzle(const std::optional<std::string>& target,
                       const std::vector<std::string>& numbers);

// A field of a form or a link: without the blanks around it, and its words,
// the runs of what is not a blank.
std::string_view Trimmed(std::string_view field);
std::vector<std::string> Words(std::string_view field);
