// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A link's query, field by field, as the page hands it over: what it deals,
// the day it seeds from, or the line that refuses it.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "game/puzzle_link.h"
#include "tests/support/case_name.h"

namespace {

using Field = std::optional<std::string>;

struct LinkCase {
    const char* name;
    Field target, numbers, day;
    std::string read;  // "deal 250: 2 3 5 7 10 100", "day 20574", or the refusal
};
void PrintTo(const LinkCase& c, std::ostream* os) {
    *os << c.name;
}

std::string Read(const PuzzleLink& link) {
    if (link.Deal) {
        std::string read = "deal " + std::to_string(link.Deal->Target) + ":";
        for (const int16_t number : link.Deal->Numbers) {
            read += " " + std::to_string(number);
        }
        return read;
    }
    return link.Day ? "day " + std::to_string(*link.Day) : link.Refused;
}

std::string Refused(const std::string& why) {
    return "No se puede jugar la partida del enlace: " + why + ". Se ha sorteado otra.";
}
std::string DayRefused(const std::string& why) {
    return "No se puede jugar la partida del día: la fecha " + why + ". Se ha sorteado otra.";
}

class LinkTest : public testing::TestWithParam<LinkCase> {};

TEST_P(LinkTest, ReadsWhatTheLinkAsksFor) {
    const LinkCase& c = GetParam();
    EXPECT_EQ(Read(ReadPuzzleLink(c.target, c.numbers, c.day)), c.read);
}

const std::string Six = "2 3 5 7 10 100";

INSTANTIATE_TEST_SUITE_P(
    Links, LinkTest,
    testing::ValuesIn(std::vector<LinkCase>{
        {"a puzzle link deals it as given",
         "250",
         "100 2 3 5 7 10",
         {},
         "deal 250: 100 2 3 5 7 10"},
        {"blanks and leading zeros",
         " 0250 ",
         "\t2  3 5 7 010 100 ",
         {},
         "deal 250: 2 3 5 7 10 100"},
        {"the lowest target, the small numbers' ends",
         "100",
         "1 11 1 11 1 11",
         {},
         "deal 100: 1 11 1 11 1 11"},
        {"the highest target, every big number",
         "1000",
         "25 50 75 100 100 25",
         {},
         "deal 1000: 25 50 75 100 100 25"},
        {"a target under 100",
         "99",
         Six,
         {},
         Refused("el objetivo «99» no sale en una partida: va de 100 a 1000")},
        {"a target over 1000",
         "1001",
         Six,
         {},
         Refused("el objetivo «1001» no sale en una partida: va de 100 a 1000")},
        {"five numbers", "250", "2 3 5 7 10", {}, Refused("hay 5 números: una partida tiene seis")},
        {"seven numbers", "250", Six + " 1", {}, Refused("hay 7 números: una partida tiene seis")},
        {"no numbers", "250", {}, {}, Refused("faltan los números: una partida tiene seis")},
        {"no target", {}, Six, {}, Refused("falta el objetivo")},
        {"numbers the game never draws",
         "250",
         "2 3 5 12 26 100",
         {},
         Refused("el número «12» no sale en una partida: salen del 1 al 11, 25, 50, 75 y 100")},
        {"junk in both fields",
         "abc",
         "2 3 5 7 0 100",
         {},
         Refused("el objetivo «abc» no es un número; el número «0» no está entre 1 y 32767")},
        {"a huge target",
         std::string(100000, '9'),
         Six,
         {},
         Refused("el objetivo «" + std::string(40, '9') +
                 "»… y 99.960 caracteres más no está entre 1 y 32767")},
        {"a puzzle link wins over the day", "250", Six, "2026-05-01", "deal 250: " + Six},
        {"the day's puzzle", {}, {}, "2026-05-01", "day 20574"},
        {"a leap day", {}, {}, "2024-02-29", "day 19782"},
        {"a day that does not exist", {}, {}, "2025-02-29", DayRefused("«2025-02-29» no existe")},
        {"month 13", {}, {}, "2026-13-01", DayRefused("«2026-13-01» no existe")},
        {"unpadded", {}, {}, "2026-5-1", DayRefused("«2026-5-1» no se escribe AAAA-MM-DD")},
        {"a word", {}, {}, "hoy", DayRefused("«hoy» no se escribe AAAA-MM-DD")},
        {"an empty day", {}, {}, "", DayRefused("«» no se escribe AAAA-MM-DD")},
        {"a plain page", {}, {}, {}, ""},
    }),
    NameOfCase());

}  // namespace
