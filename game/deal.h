// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A puzzle the game could have drawn itself (a target from 100 to 1000 and
// six numbers, each 1 to 11, 25, 50, 75 or 100), and the draws that make the
// game's own NewTarget and DrawNumbers deal it. It knows nothing of links.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "game/puzzle.h"

// One for the target, then two for each number.
inline constexpr std::size_t DrawsPerPuzzle = 1 + 2 * NumberCount;

// What keeps the game from dealing puzzle, in phrases like ReadPuzzle's: the
// target, the count, the first number it never draws. Empty when it can.
std::vector<std::string> DealFaults(const Puzzle& puzzle);
// "hay 5 números: una partida tiene seis"
std::string NumberCountFault(std::size_t count);

// game/puzzle_setup.cpp, beside the draws it undoes. Only for a puzzle
// without DealFaults.
std::array<float, DrawsPerPuzzle> DrawsFor(const Puzzle& puzzle);
