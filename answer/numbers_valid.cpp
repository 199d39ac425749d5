// Every number token must be matched to its own drawn number, the lowest free
// index first. WrongNumber is written only when a token finds none left.

#include "game/form1.h"

void Form1::NumbersValid(bool& valid) {
    OneBased<bool, NumberCount> used;
    for (const int16_t token : State.Tokens) {
        if (token <= 0) {
            continue;
        }
        bool matched = false;
        for (int j = 1; j <= NumberCount && !matched; ++j) {
            if (!used[j] && State.Numbers[j] == token) {
                used[j] = true;
                matched = true;
            }
        }
        if (!matched) {
            State.WrongNumber = token;
            valid = false;
            return;
        }
    }
    valid = true;
}
