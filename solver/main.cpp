// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// quorel-solucion: the best answer to a puzzle, and any answer explained step
// by step, as the game computes it.

#include <iostream>
#include <string>
#include <vector>

#include "solver/command_line.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return RunSolucion(args, std::cout, std::cerr);
}
