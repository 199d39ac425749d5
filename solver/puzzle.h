// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A puzzle as the command line gives it: a target and one to six numbers.

#include <cstdint>
#include <vector>

struct Puzzle {
    int32_t Target = 0;
    std::vector<int16_t> Numbers;
};
