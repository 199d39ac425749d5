// Tokenizer and top-level pass together, as one submission runs them. A typed
// number past 32767 leaves the answer without a value.

#include "game/form1.h"

void Form1::EvaluateAnswer(const std::u16string& answer, int16_t& valueReached,
                           EvalOutcome& outcome) {
    int16_t lastSlot = 1;
    bool numberTooBig = false;
    Tokenize(answer, lastSlot, numberTooBig);
    if (numberTooBig) {
        valueReached = 0;
        outcome = EvalOutcome::OutOfRange;
        return;
    }
    EvalTopLevel(lastSlot, valueReached, outcome);
}
