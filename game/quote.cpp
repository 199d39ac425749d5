// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/quote.h"

#include <utf8cpp/utf8.h>

namespace {

void AppendVisible(char32_t c, std::string& out) {
    if (c < 0x20 || c == 0x7F) {
        out += '^';
        out += static_cast<char>(c ^ 0x40);  // the caret's letter: ESC 0x1B is [, DEL is ?
    } else if (c >= 0x80 && c < 0xA0) {
        out += "^[";
        out += static_cast<char>(c - 0x40);
    } else {
        utf8::append(c, out);
    }
}

}  // namespace

std::string Quote(std::string_view text, std::size_t limit) {
    const std::string valid = utf8::replace_invalid(text);
    std::string quoted = "«";
    auto at = valid.begin();
    for (std::size_t shown = 0; at != valid.end() && shown < limit; ++shown) {
        AppendVisible(utf8::unchecked::next(at), quoted);
    }
    quoted += "»";
    if (at != valid.end()) {
        quoted +=
            MoreCharacters(static_cast<std::size_t>(utf8::unchecked::distance(at, valid.end())));
    }
    return quoted;
}

std::string MoreCharacters(std::size_t count) {
    return "… y " + Thousands(count) + (count == 1 ? " carácter más" : " caracteres más");
}

std::string Thousands(std::size_t count) {
    std::string digits = std::to_string(count);
    for (std::size_t at = digits.size(); at > 3; at -= 3) {
        digits.insert(at - 3, ".");
    }
    return digits;
}
