// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Speed of one submission's answer checking: a typical full answer, and a
// pasted answer of a million characters.

#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "game/form1.h"
#include "tests/support/fake_runtime.h"

namespace {

void Check(Form1& form, const std::u16string& answer) {
    int16_t value = 0;
    EvalOutcome outcome = EvalOutcome::Value;
    form.EvaluateAnswer(answer, value, outcome);
    bool valid = false;
    form.NumbersValid(valid);
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(valid);
}

void PrepareNumbers(Form1& form) {
    const int16_t drawn[] = {2, 3, 5, 7, 10, 100};
    for (int j = 1; j <= NumberCount; ++j) {
        form.State.Numbers[j] = drawn[j - 1];
    }
}

void BM_TypicalAnswer30Tokens(benchmark::State& state) {
    FakeRuntime runtime;
    Form1 form(runtime);
    PrepareNumbers(form);
    const std::u16string answer = u"((100x2)+(5x10)-3)x(7-2)/(10+3)";  // 30 tokens
    for (auto _ : state) {
        Check(form, answer);
    }
}
BENCHMARK(BM_TypicalAnswer30Tokens);

// A million-character paste: the piece repeated, then the ending.
void BM_PastedMillionCharacters(benchmark::State& state, std::u16string_view piece,
                                std::u16string_view ending) {
    FakeRuntime runtime;
    Form1 form(runtime);
    PrepareNumbers(form);
    std::u16string answer;
    while (answer.size() < 1000000 - ending.size()) {
        answer += piece;
    }
    answer.resize(1000000 - ending.size());
    answer += ending;
    for (auto _ : state) {
        Check(form, answer);
    }
}
// Tokens fill the buffer early, after which the rest is dropped at once.
BENCHMARK_CAPTURE(BM_PastedMillionCharacters, OfTokens, u"(100x2)+ 5 abc ", u"")
    ->Unit(benchmark::kMillisecond);
// The worst case: text without tokens must be read to its end.
BENCHMARK_CAPTURE(BM_PastedMillionCharacters, OfText, u"hola, ", u"(100x2)")
    ->Unit(benchmark::kMillisecond);

}  // namespace
