// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/deal.h"

#include "game/quote.h"

namespace {

bool Drawn(int32_t number) {
    return (number >= 1 && number <= 11) || number == 25 || number == 50 || number == 75 ||
           number == 100;
}

}  // namespace

std::string NumberCountFault(std::size_t count) {
    if (count == 0) {
        return "faltan los números: una partida tiene seis";
    }
    return "hay " + std::to_string(count) + (count == 1 ? " número" : " números") +
           ": una partida tiene seis";
}

std::vector<std::string> DealFaults(const Puzzle& puzzle) {
    std::vector<std::string> faults;
    if (puzzle.Target < LowestTarget || puzzle.Target > HighestTarget) {
        faults.push_back("el objetivo " + Quote(std::to_string(puzzle.Target)) +
                         " no sale en una partida: va de " + std::to_string(LowestTarget) + " a " +
                         std::to_string(HighestTarget));
    }
    if (puzzle.Numbers.size() != NumberCount) {
        faults.push_back(NumberCountFault(puzzle.Numbers.size()));
    }
    for (const int16_t number : puzzle.Numbers) {
        if (!Drawn(number)) {
            faults.push_back("el número " + Quote(std::to_string(number)) +
                             " no sale en una partida: salen del 1 al 11, 25, 50, 75 y 100");
            break;
        }
    }
    return faults;
}
