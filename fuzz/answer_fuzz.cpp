// Feeds arbitrary UTF-16 text through tokenizer, evaluator and number-use
// check, and traps when an invariant of the token buffer breaks.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "game/form1.h"
#include "tests/support/fake_runtime.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FakeRuntime runtime;
    Form1 form(runtime);
    // The first six bytes draw the numbers; the rest is the answer.
    std::size_t at = 0;
    for (int j = 1; j <= NumberCount; ++j) {
        const uint8_t b = at < size ? data[at++] : 0;
        form.State.Numbers[j] = static_cast<int16_t>(b % 2 == 0 ? b % 11 + 1 : (b % 4 + 1) * 25);
    }
    std::u16string answer;
    for (; at + 1 < size; at += 2) {
        answer.push_back(static_cast<char16_t>(data[at] | (data[at + 1] << 8)));
    }

    int16_t lastSlot = 0;
    bool tooBig = false;
    form.Tokenize(answer, lastSlot, tooBig);
    Require(lastSlot >= 1 && lastSlot <= TokenSlots);
    for (int i = 1; i <= TokenSlots; ++i) {
        const int16_t token = form.State.Tokens[i];
        Require((token >= 0 && token <= 32767) || (token >= TokClose && token <= TokPlus));
        Require(i <= lastSlot || token == 0);
    }

    int16_t value = 0;
    EvalOutcome outcome = EvalOutcome::Value;
    form.EvalTopLevel(lastSlot, value, outcome);
    Require(outcome == EvalOutcome::Value || value == 0);

    constexpr int16_t Marker = -12345;
    form.State.WrongNumber = Marker;
    bool valid = false;
    form.NumbersValid(valid);
    Require(valid == (form.State.WrongNumber == Marker));
    Require(valid || form.State.WrongNumber > 0);
    return 0;
}
