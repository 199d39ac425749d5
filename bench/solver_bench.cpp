// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Speed of the best answer (search plus text) on 10,000 puzzles drawn the way
// the game draws them, by the game's own draw code and random generator.
// Besides Google Benchmark's mean, the per-puzzle median, 99th percentile and
// worst are counters, with the share of puzzles solved exactly and within 5,
// with the game's rounding and with exact division only.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <vector>

#include "bench/drawn_puzzles.h"
#include "game/form1.h"
#include "game/puzzle.h"
#include "solver/confirm.h"
#include "solver/search.h"

namespace {

constexpr int PuzzleCount = 10000;

const std::vector<Puzzle>& Puzzles() {
    static const std::vector<Puzzle> puzzles = DrawnPuzzles(PuzzleCount);
    return puzzles;
}

long MaxResidentKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// One iteration: every puzzle once, each timed on its own.
void BestAnswerPerPuzzle(benchmark::State& state, bool exact) {
    const std::vector<Puzzle>& puzzles = Puzzles();
    const long residentBefore = MaxResidentKilobytes();
    Search search;
    // Each puzzle's fastest run: the others met a busy machine.
    std::vector<double> micros(puzzles.size(), 1e300);
    int exactHits = 0;
    int within5 = 0;
    for (auto _ : state) {
        exactHits = 0;
        within5 = 0;
        for (std::size_t i = 0; i < puzzles.size(); ++i) {
            const Puzzle& p = puzzles[i];
            const auto start = std::chrono::steady_clock::now();
            const SearchResult found = search.Run(p.Target, p.Numbers, exact);
            const std::string text = found.Answer.Text();
            const auto stop = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(text.data());
            micros[i] = std::min(micros[i],
                                 std::chrono::duration<double, std::micro>(stop - start).count());
            exactHits += found.Distance == 0 ? 1 : 0;
            within5 += found.Distance <= 5 ? 1 : 0;
        }
    }
    std::vector<double> sorted = micros;
    std::sort(sorted.begin(), sorted.end());
    const auto at = [&](double share) {
        return sorted[static_cast<std::size_t>(share * static_cast<double>(sorted.size() - 1))];
    };
    state.counters["median_us"] = at(0.5);
    state.counters["p99_us"] = at(0.99);
    state.counters["worst_us"] = sorted.back();
    state.counters["exact_pct"] = 100.0 * exactHits / PuzzleCount;
    state.counters["within5_pct"] = 100.0 * within5 / PuzzleCount;
    state.counters["rss_growth_kB"] = static_cast<double>(MaxResidentKilobytes() - residentBefore);
    state.SetItemsProcessed(state.iterations() * PuzzleCount);
}

void BM_BestAnswerRounded(benchmark::State& state) {
    BestAnswerPerPuzzle(state, false);
}
BENCHMARK(BM_BestAnswerRounded)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_BestAnswerExact(benchmark::State& state) {
    BestAnswerPerPuzzle(state, true);
}
BENCHMARK(BM_BestAnswerExact)->Unit(benchmark::kMillisecond)->Iterations(3);

// The game's own check of a printed answer, which the program adds.
void BM_ConfirmAnswer(benchmark::State& state) {
    const std::vector<int16_t> numbers = {2, 3, 5, 7, 10, 100};
    for (auto _ : state) {
        benchmark::DoNotOptimize(ConfirmAnswer("100x2+(5x10)", 250, numbers));
    }
}
BENCHMARK(BM_ConfirmAnswer);

}  // namespace
