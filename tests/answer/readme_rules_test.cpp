// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The players' README tells the rules by examples: "`7/2` vale 4", "`...` es
// demasiado larga". Every such example must give, in the game, what it says.

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <utf8cpp/utf8.h>

#include "game/form1.h"
#include "tests/support/fake_runtime.h"

namespace {

std::string ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Steps over blanks and line breaks, then over word if it stands there.
bool SkipWord(const std::string& text, std::size_t& at, std::string_view word) {
    std::size_t next = at;
    while (next < text.size() && (text[next] == ' ' || text[next] == '\n')) {
        ++next;
    }
    if (text.compare(next, word.size(), word) != 0) {
        return false;
    }
    at = next + word.size();
    return true;
}

struct Example {
    std::string answer;
    bool tooLong = false;
    int value = 0;
};

// "`answer` vale N", "`answer` también vale N" or "`answer` es demasiado
// larga"; a line break may fall between the words.
std::vector<Example> Examples(const std::string& text) {
    std::vector<Example> found;
    for (std::size_t open = text.find('`'); open != std::string::npos;) {
        const std::size_t close = text.find('`', open + 1);
        if (close == std::string::npos) {
            break;
        }
        Example example{text.substr(open + 1, close - open - 1)};
        std::size_t at = close + 1;
        const std::size_t after = at;
        SkipWord(text, at, "también");
        if (SkipWord(text, at, "vale")) {
            SkipWord(text, at, "");
            std::size_t digits = at;
            while (digits < text.size() &&
                   (std::isdigit(static_cast<unsigned char>(text[digits])) ||
                    (digits == at && text[digits] == '-'))) {
                ++digits;
            }
            if (digits > at && text[digits - 1] != '-') {
                example.value = std::stoi(text.substr(at, digits - at));
                found.push_back(example);
            }
        } else if (at = after; SkipWord(text, at, "es") && SkipWord(text, at, "demasiado") &&
                               SkipWord(text, at, "larga")) {
            example.tooLong = true;
            found.push_back(example);
        }
        open = text.find('`', close + 1);
    }
    return found;
}

}  // namespace

TEST(ReadmeRules, EveryExampleGivesWhatItSays) {
    const std::string readme = ReadFile(QUOREL_README);
    ASSERT_FALSE(readme.empty());
    const std::vector<Example> examples = Examples(readme);
    for (const Example& example : examples) {
        FakeRuntime runtime;
        Form1 form(runtime);
        int16_t value = 0;
        EvalOutcome outcome = EvalOutcome::Value;
        form.EvaluateAnswer(utf8::utf8to16(example.answer), value, outcome);
        if (example.tooLong) {
            EXPECT_EQ(outcome, EvalOutcome::TooLong) << example.answer;
        } else {
            EXPECT_EQ(outcome, EvalOutcome::Value) << example.answer;
            EXPECT_EQ(value, example.value) << example.answer;
        }
    }
    // The rules of left to right, halves, 0, unknown characters and length.
    EXPECT_GE(examples.size(), 12u);
}
