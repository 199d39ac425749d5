// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a link to the game asks for, read from its query's fields as the page
// hands them over: a puzzle to deal first (objetivo and numeros, the solver
// page's names), the day's puzzle (dia=AAAA-MM-DD), or nothing. A link the
// game could not follow is refused with one Spanish line for the page, and
// the game then draws as always.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "game/puzzle.h"

struct PuzzleLink {
    std::optional<Puzzle> Deal;
    std::optional<int32_t> Day;  // days since 1970-01-01
    std::string Refused;         // a sentence; empty when nothing was refused
};

// An absent field is nullopt. With objetivo or numeros it is a puzzle link,
// whatever dia says.
PuzzleLink ReadPuzzleLink(const std::optional<std::string>& target,
                          const std::optional<std::string>& numbers,
                          const std::optional<std::string>& day);

struct DayRead {
    std::optional<int32_t> Day;  // days since 1970-01-01
    std::string Fault;           // "la fecha «2025-02-29» no existe"
};

// A real calendar date, written AAAA-MM-DD.
DayRead ReadDay(std::string_view text);

// The link's query for puzzle: "objetivo=250&numeros=2+3+5+7+10+100".
std::string PuzzleQuery(const Puzzle& puzzle);
