// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Which typed character is which operator or parenthesis, and how a token is
// written back as text. The first character listed for a code is the one it
// is written as.

#include <array>
#include <cstdint>
#include <string>

#include "game/game_state.h"

struct TokenSymbol {
    char16_t Typed;
    int16_t Code;
};

inline constexpr std::array<TokenSymbol, 12> TokenSymbols = {{
    {u'+', TokPlus},
    {u'-', TokMinus},
    {u'_', TokMinus},
    {u'x', TokTimes},
    {u'X', TokTimes},
    {u'*', TokTimes},
    {u'/', TokDivide},
    {u'\u00F7', TokDivide},
    {u'(', TokOpen},
    {u'[', TokOpen},
    {u')', TokClose},
    {u']', TokClose},
}};

namespace token_symbols_detail {
// Every symbol lies below U+0100, so one small table reads a character.
inline constexpr std::array<int16_t, 256> CodeByChar = [] {
    std::array<int16_t, 256> codes{};
    for (const TokenSymbol& symbol : TokenSymbols) {
        codes[symbol.Typed] = symbol.Code;
    }
    return codes;
}();
}  // namespace token_symbols_detail

// The operator or parenthesis code of c; 0 for a character that is none.
constexpr int16_t OperatorCode(char16_t c) {
    return c < token_symbols_detail::CodeByChar.size() ? token_symbols_detail::CodeByChar[c]
                                                       : int16_t{0};
}

// A token as text: a number in decimal, an operator by its first symbol.
inline std::string TokenText(int16_t token) {
    for (const TokenSymbol& symbol : TokenSymbols) {
        if (symbol.Code == token) {
            return std::string(1, static_cast<char>(symbol.Typed));
        }
    }
    return std::to_string(token);
}
