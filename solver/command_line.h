// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The command line of quorel-solucion, in Spanish:
//   quorel-solucion [--exacta] OBJETIVO N1 [N2 ... N6]
//   quorel-solucion --pasos RESPUESTA [OBJETIVO N1 ... N6]
//   quorel-solucion --help | --version

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "game/puzzle.h"

inline constexpr int StatusSolved = 0;     // within 5 of the target; also --pasos, --help
inline constexpr int StatusNotSolved = 1;  // the best answer is further away
inline constexpr int StatusBadInput = 2;
inline constexpr int StatusInternalError = 3;  // an answer the game did not confirm

// args without the program's name.
int RunSolucion(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Prints the sentence on an answer found for the puzzle, and the answer, once
// the game has confirmed that it reaches value with valid numbers. An answer
// the game does not confirm is an error of the search: it is not printed, err
// says so, and the status is StatusInternalError.
int ReportAnswer(const Puzzle& puzzle, int32_t value, const std::string& text, std::ostream& out,
                 std::ostream& err);
