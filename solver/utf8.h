// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The command line and the terminal speak UTF-8; the game reads UTF-16.

#include <string>
#include <string_view>

// Malformed bytes become U+FFFD, which the game skips like any other letter.
std::u16string FromUtf8(std::string_view text);
// text is well-formed, as everything FromUtf8 gives and every part of it cut
// between whole characters.
std::string ToUtf8(std::u16string_view text);
