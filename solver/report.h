// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One question to quorel-solucion and all it answers: the best answer to a
// puzzle and whether the game would count it as solved, a given answer's
// steps and verdict, or what is wrong with each field. The command line and
// the solver page are two views of one Report, and take its words from it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/puzzle_input.h"
#include "solver/steps.h"

// What was typed: the target and the numbers, each a word, and the answer.
struct Query {
    std::optional<std::string> Target;
    std::vector<std::string> Numbers;
    bool Exact = false;  // for the best answer; a given answer is the game's
    std::optional<std::string> Answer;
    bool WithBest = true;  // search for the best answer when there is a puzzle
};

struct BestAnswer {
    int32_t Value = 0;
    std::string Text;
};

struct Report {
    std::vector<FieldError> Errors;  // when any, nothing else is set
    std::string InternalError;       // a search that failed, or found what the game refutes
    std::optional<Puzzle> Given;     // the puzzle, when typed right
    std::optional<BestAnswer> Best;
    std::optional<StepsShown> Steps;

    // In words, each a line or lines ending in a line break; empty when not
    // asked for. The first sentence answers "¿Tenía solución?" for the best
    // answer; the steps end with the given answer's verdict, with a puzzle.
    std::string Sentence() const;
    std::string BestLine() const;  // "250 = 100x5/2"
    std::string StepsText() const;
    bool BestSolves() const;
};

Report MakeReport(const Query& query);

// Sets report.Best to an answer found for report.Given once the game has
// confirmed that it reaches value with valid numbers; otherwise says why in
// report.InternalError.
void ConfirmBest(Report& report, int32_t value, std::string text);
