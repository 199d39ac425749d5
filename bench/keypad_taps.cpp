// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How many taps the page's keypad takes to type the best answers to 300
// puzzles drawn as the game draws them (its own draw code and generator, a
// fixed seed), against the answers' characters: a number is one key, and so
// is each sign and parenthesis; the blank between two numbers comes by itself.
// Usage: keypad_taps [PUZZLES]

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/drawn_puzzles.h"
#include "solver/search.h"

namespace {

int Taps(const std::string& answer) {
    int taps = 0;
    for (std::size_t i = 0; i < answer.size(); ++i) {
        const auto c = static_cast<unsigned char>(answer[i]);
        const bool digitAfterDigit =
            i > 0 && std::isdigit(c) && std::isdigit(static_cast<unsigned char>(answer[i - 1]));
        taps += c == ' ' || digitAfterDigit ? 0 : 1;
    }
    return taps;
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 300;
    if (count <= 0) {
        std::fputs("usage: keypad_taps [PUZZLES]\n", stderr);
        return 2;
    }
    Search search;
    long characters = 0, taps = 0;
    int most = 0;
    for (const Puzzle& puzzle : DrawnPuzzles(count)) {
        const std::string answer = search.Run(puzzle.Target, puzzle.Numbers, false).Answer.Text();
        const int tapped = Taps(answer);
        characters += static_cast<long>(answer.size());
        taps += tapped;
        most = tapped > most ? tapped : most;
    }
    const double n = count;
    std::printf(
        "%d puzzles: %.1f characters an answer, %.1f keypad taps (%.2fx the characters), "
        "at most %d\n",
        count, static_cast<double>(characters) / n, static_cast<double>(taps) / n,
        static_cast<double>(taps) / static_cast<double>(characters), most);
    return 0;
}
