// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/utf8.h"

#include <utf8cpp/utf8.h>

std::u16string FromUtf8(std::string_view text) {
    return utf8::utf8to16(utf8::replace_invalid(text));
}

std::string ToUtf8(std::u16string_view text) {
    return utf8::utf16to8(text);
}
