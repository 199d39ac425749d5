// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What "Retar" shares, before the page adds the puzzle's link: the puzzle as
// the window shows it and, once solved, the time the game computed:
//   "Quorel: 250 con 2 3 5 7 10 100, resuelto en 0:42. ¿Lo mejora?"
// A friend reads it away from the window's clock, so the seconds take two
// digits (0:05, not the clock's 0:5), and the total includes the penalty, as
// the best times count it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct SolvedTime {
    int32_t TotalSeconds = 0;
    int16_t Penalty = 0;
};

inline std::u16string ShareText(std::u16string_view targetShown, std::u16string_view numbersShown,
                                const std::optional<SolvedTime>& solved) {
    const auto text = [](const std::string& ascii) {
        return std::u16string(ascii.begin(), ascii.end());
    };
    const auto trimmed = [](std::u16string_view shown) {
        const std::size_t first = shown.find_first_not_of(u' ');
        return first == std::u16string_view::npos
                   ? std::u16string()
                   : std::u16string(shown.substr(first, shown.find_last_not_of(u' ') - first + 1));
    };
    std::u16string line = u"Quorel: " + trimmed(targetShown) + u" con " + trimmed(numbersShown);
    if (!solved) {
        return line + u". ¿Lo resuelve?";
    }
    const int32_t seconds = solved->TotalSeconds % 60;
    line += u", resuelto en " + text(std::to_string(solved->TotalSeconds / 60)) + u":" +
            (seconds < 10 ? u"0" : u"") + text(std::to_string(seconds));
    if (solved->Penalty > 0) {
        line +=
            u", " + text(std::to_string(solved->Penalty)) + u" segundos de penalización incluidos";
    }
    return line + u". ¿Lo mejora?";
}
