// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/puzzle_link.h"

#include <chrono>
#include <vector>

#include "game/deal.h"
#include "game/puzzle_input.h"
#include "game/quote.h"

namespace {

std::string Refusal(std::string_view what, const std::vector<std::string>& faults) {
    std::string line = "No se puede jugar " + std::string(what) + ": ";
    for (std::size_t i = 0; i < faults.size(); ++i) {
        line += (i == 0 ? "" : "; ") + faults[i];
    }
    return line + ". Se ha sorteado otra.";
}

// The puzzle when the game can deal it; otherwise faults says why.
std::optional<Puzzle> ReadDealt(const std::optional<std::string>& target,
                                const std::optional<std::string>& numbers,
                                std::vector<std::string>& faults) {
    const std::vector<std::string> words = numbers ? Words(*numbers) : std::vector<std::string>{};
    const PuzzleInput input =
        ReadPuzzle(target ? std::optional<std::string>(Trimmed(*target)) : std::nullopt, words);
    // The reader's own count ("de uno a seis") is the solver's, not a game's.
    const bool countable = !words.empty() && words.size() <= NumberCount;
    for (const FieldError& error : input.Errors) {
        if (error.Where == Field::Target || countable) {
            faults.push_back(error.Message);
        }
    }
    if (!countable) {
        faults.push_back(NumberCountFault(words.size()));
    } else if (input.Read) {
        faults = DealFaults(*input.Read);
    }
    return faults.empty() ? input.Read : std::nullopt;
}

int Digits(std::string_view text) {
    int value = 0;
    for (const char c : text) {
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

PuzzleLink ReadPuzzleLink(const std::optional<std::string>& target,
                          const std::optional<std::string>& numbers,
                          const std::optional<std::string>& day) {
    PuzzleLink link;
    if (target || numbers) {
        std::vector<std::string> faults;
        link.Deal = ReadDealt(target, numbers, faults);
        if (!link.Deal) {
            link.Refused = Refusal("la partida del enlace", faults);
        }
    } else if (day) {
        const DayRead read = ReadDay(*day);
        link.Day = read.Day;
        if (!read.Day) {
            link.Refused = Refusal("la partida del día", {read.Fault});
        }
    }
    return link;
}

DayRead ReadDay(std::string_view text) {
    const std::string quoted = "la fecha " + Quote(text);
    bool shaped = text.size() == 10;
    for (std::size_t i = 0; shaped && i < text.size(); ++i) {
        shaped = i == 4 || i == 7 ? text[i] == '-' : text[i] >= '0' && text[i] <= '9';
    }
    if (!shaped) {
        return {std::nullopt, quoted + " no se escribe AAAA-MM-DD"};
    }
    using namespace std::chrono;
    const year_month_day date{year{Digits(text.substr(0, 4))},
                              month{static_cast<unsigned>(Digits(text.substr(5, 2)))},
                              day{static_cast<unsigned>(Digits(text.substr(8, 2)))}};
    if (!date.ok()) {
        return {std::nullopt, quoted + " no existe"};
    }
    return {static_cast<int32_t>(sys_days{date}.time_since_epoch().count()), {}};
}

std::string PuzzleQuery(const Puzzle& puzzle) {
    std::string query = "objetivo=" + std::to_string(puzzle.Target) + "&numeros=";
    for (std::size_t i = 0; i < puzzle.Numbers.size(); ++i) {
        query += (i == 0 ? "" : "+") + std::to_string(puzzle.Numbers[i]);
    }
    return query;
}
