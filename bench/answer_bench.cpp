// Speed of one submission's answer checking: a typical full answer, and a
// pasted answer of a million characters.

#include <benchmark/benchmark.h>

#include <string>

#include "game/form1.h"

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
    Form1 form;
    PrepareNumbers(form);
    const std::u16string answer = u"((100x2)+(5x10)-3)x(7-2)/(10+3)";  // 30 tokens
    for (auto _ : state) {
        Check(form, answer);
    }
}
BENCHMARK(BM_TypicalAnswer30Tokens);

void BM_PastedMillionCharacters(benchmark::State& state) {
    Form1 form;
    PrepareNumbers(form);
    std::u16string answer;
    while (answer.size() < 1000000) {
        answer += u"(100x2)+ 5 abc ";
    }
    answer.resize(1000000);
    for (auto _ : state) {
        Check(form, answer);
    }
    state.SetItemsProcessed(state.iterations() * 1000000);
}
BENCHMARK(BM_PastedMillionCharacters)->Unit(benchmark::kMillisecond);

}  // namespace
