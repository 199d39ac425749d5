// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A link's query as the page hands it over: its deal, its day, or its refusal.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "game/puzzle_link.h"

namespace {

using Field = std::optional<std::string>;

// "deal objetivo=250&numeros=2+3+5+7+10+100", "day 20574", or the refusal
// without the words every refusal has around it: "enlace: hay 5 números…".
std::string Read(const Field& target, const Field& numbers, const Field& day) {
    const PuzzleLink link = ReadPuzzleLink(target, numbers, day);
    std::string read = link.Deal  ? "deal " + PuzzleQuery(*link.Deal)
                       : link.Day ? "day " + std::to_string(*link.Day)
                                  : link.Refused;
    const std::string head = "No se puede jugar la partida del ", tail = ". Se ha sorteado otra.";
    if (read.starts_with(head) && read.ends_with(tail)) {
        read = read.substr(head.size(), read.size() - head.size() - tail.size());
    }
    return read;
}

TEST(PuzzleLink, DealsAPuzzleTheGameCouldDrawSeedsARealDayAndRefusesTheRest) {
    const std::string six = "2 3 5 7 10 100", range = " no está entre 1 y 32767",
                      drawn = " no sale en una partida: salen del 1 al 11, 25, 50, 75 y 100";
    const struct {
        Field target, numbers, day;
        std::string read;
    } rows[] = {
        {"250", "100 2 3 5 7 10", {}, "deal objetivo=250&numeros=100+2+3+5+7+10"},
        {"99", six, {}, "enlace: el objetivo «99» no sale en una partida: va de 100 a 1000"},
        {"1001", six, {}, "enlace: el objetivo «1001» no sale en una partida: va de 100 a 1000"},
        {"250", "2 3 5 7 10", {}, "enlace: hay 5 números: una partida tiene seis"},
        {"250", six + " 1", {}, "enlace: hay 7 números: una partida tiene seis"},
        {"250", {}, {}, "enlace: faltan los números: una partida tiene seis"},
        {"250", "2 3 12 26 1 1", {}, "enlace: el número «12»" + drawn},
        {"abc", "0", {}, "enlace: el objetivo «abc» no es un número; el número «0»" + range},
        {"250", six, "2026-05-01", "deal objetivo=250&numeros=2+3+5+7+10+100"},  // not the day's
        {{}, {}, "2026-05-01", "day 20574"},
        {{}, {}, "2024-02-29", "day 19782"},
        {{}, {}, "2025-02-29", "día: la fecha «2025-02-29» no existe"},
        {{}, {}, "2026-5-1", "día: la fecha «2026-5-1» no se escribe AAAA-MM-DD"},
        {{}, {}, {}, ""},  // the plain page
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Read(row.target, row.numbers, row.day), row.read);
    }
}

}  // namespace
