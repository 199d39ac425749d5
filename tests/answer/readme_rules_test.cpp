// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The players' README tells the rules by examples: "`7/2` vale 4", "`...` es
// demasiado larga". Every such example must give, in the game, what it says.

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "game/form1.h"
#include "solver/utf8.h"
#include "tests/support/fake_runtime.h"

namespace {

std::string ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

TEST(ReadmeRules, EveryExampleGivesWhatItSays) {
    const std::string readme = ReadFile(QUOREL_README);
    ASSERT_FALSE(readme.empty());
    // "`answer` vale N" or "`answer` también vale N", or "`answer` es demasiado
    // larga"; a line break may fall between the words.
    const std::regex example(
        R"(`([^`]+)`\s+(?:(?:también\s+)?vale\s+(-?[0-9]+)|es\s+demasiado\s+larga))");
    int checked = 0;
    for (auto it = std::sregex_iterator(readme.begin(), readme.end(), example);
         it != std::sregex_iterator(); ++it) {
        const std::string answer = (*it)[1];
        FakeRuntime runtime;
        Form1 form(runtime);
        int16_t value = 0;
        EvalOutcome outcome = EvalOutcome::Value;
        form.EvaluateAnswer(FromUtf8(answer), value, outcome);
        if ((*it)[2].matched) {
            EXPECT_EQ(outcome, EvalOutcome::Value) << answer;
            EXPECT_EQ(value, std::stoi((*it)[2])) << answer;
        } else {
            EXPECT_EQ(outcome, EvalOutcome::TooLong) << answer;
        }
        ++checked;
    }
    // The rules of left to right, halves, 0, unknown characters and length.
    EXPECT_GE(checked, 12);
}
