// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/puzzle_input.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "game/quote.h"

namespace {

constexpr std::string_view Blanks = " \t\n\v\f\r";

bool AllDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// A whole number from 1 to 32767, or why not, however it is written wrong.
std::optional<int32_t> ReadNumber(const std::string& word, std::string_view what, Field field,
                                  std::vector<FieldError>& errors) {
    const std::string quoted = std::string(what) + " " + Quote(word);
    auto wrong = [&](std::string_view why) {
        errors.push_back({field, quoted + std::string(why)});
        return std::nullopt;
    };
    std::string_view digits = word;
    const bool negative = !digits.empty() && digits.front() == '-';
    if (negative) {
        digits.remove_prefix(1);
    }
    const std::size_t mark = digits.find_first_of(".,/");
    const bool fraction = mark != std::string_view::npos && AllDigits(digits.substr(0, mark)) &&
                          AllDigits(digits.substr(mark + 1));
    if (!AllDigits(digits) && !fraction) {
        return wrong(" no es un número");
    }
    if (negative) {
        return wrong(" es negativo: van de 1 a 32767");
    }
    if (fraction) {
        return wrong(" no es un número entero");
    }
    const std::size_t first = digits.find_first_not_of('0');
    const std::string_view significant =
        first == std::string_view::npos ? std::string_view{} : digits.substr(first);
    // Digits only, checked above; more than five are past 32767 anyway.
    int32_t value = 0;
    if (significant.size() <= 5) {
        std::from_chars(significant.data(), significant.data() + significant.size(), value);
    }
    if (value < 1 || value > 32767) {
        return wrong(" no está entre 1 y 32767");
    }
    return value;
}

}  // namespace

PuzzleInput ReadPuzzle(const std::optional<std::string>& target,
                       const std::vector<std::string>& numbers) {
    PuzzleInput input;
    std::optional<int32_t> targetRead;
    if (!target) {
        input.Errors.push_back({Field::Target, "falta el objetivo"});
    } else {
        targetRead = ReadNumber(*target, "el objetivo", Field::Target, input.Errors);
    }
    constexpr std::size_t most = NumberCount;
    Puzzle puzzle;
    if (numbers.empty()) {
        input.Errors.push_back({Field::Numbers, "faltan los números: de uno a seis"});
    } else if (numbers.size() > most) {
        input.Errors.push_back(
            {Field::Numbers, "sobra " + Quote(numbers[most]) + ": como mucho seis números"});
    } else {
        for (const std::string& word : numbers) {
            const auto number = ReadNumber(word, "el número", Field::Numbers, input.Errors);
            if (!number) {
                break;
            }
            puzzle.Numbers.push_back(static_cast<int16_t>(*number));
        }
    }
    if (input.Errors.empty()) {
        puzzle.Target = *targetRead;
        input.Read = puzzle;
    }
    return input;
}

std::string_view Trimmed(std::string_view field) {
    const std::size_t first = field.find_first_not_of(Blanks);
    return first == std::string_view::npos
               ? std::string_view{}
               : field.substr(first, field.find_last_not_of(Blanks) - first + 1);
}

std::vector<std::string> Words(std::string_view field) {
    std::vector<std::string> words;
    for (std::size_t at = field.find_first_not_of(Blanks); at != std::string_view::npos;) {
        const std::size_t end = std::min(field.find_first_of(Blanks, at), field.size());
        words.emplace_back(field.substr(at, end - at));
        at = field.find_first_not_of(Blanks, end);
    }
    return words;
}
