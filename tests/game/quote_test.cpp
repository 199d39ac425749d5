// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The one quoting of user text: nothing a terminal acts on, valid UTF-8,
// and short.

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "game/quote.h"

namespace {

using namespace std::string_literals;

TEST(Quote, ShowsControlsAndBadBytesAndCutsWithACount) {
    std::string enes;
    for (int i = 0; i < 2027; ++i) {
        enes += "ñ";
    }
    const std::string x40(40, 'x');
    const std::pair<std::string, std::string> rows[] = {
        {"", "«»"},
        {"ñ÷€😀", "«ñ÷€😀»"},
        {"\x1b]0;x\x07", "«^[]0;x^G»"},  // a terminal's title set
        {"a\0b\tc\nd\x7f"s, "«a^@b^Ic^Jd^?»"},
        {"\u009b31m\u0080\u009f", "«^[[31m^[@^[_»"},  // C1, as the ESC sequence each stands for
        {"a\xff-\xc3", "«a\uFFFD-\uFFFD»"},
        {x40, "«" + x40 + "»"},
        {x40 + "\x1b", "«" + x40 + "»… y 1 carácter más"},
        {enes, "«" + enes.substr(0, 80) + "»… y 1.987 caracteres más"},  // characters, not bytes
        {std::string(1000040, '1'), "«" + std::string(40, '1') + "»… y 1.000.000 caracteres más"},
    };
    for (const auto& [text, quoted] : rows) {
        EXPECT_EQ(Quote(text), quoted);
    }
}

}  // namespace
