// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// User text as every message quotes it, on a terminal or on the page: between
// « », valid UTF-8 whatever it was given as, with nothing a terminal would act
// on, and short whatever its length.

#include <cstddef>
#include <string>
#include <string_view>

inline constexpr std::size_t QuotedCharacters = 40;

// Malformed bytes become U+FFFD. A C0 control or DEL is shown in caret
// notation, as a terminal echoes it (ESC as ^[, DEL as ^?), and a C1 control
// as the ESC sequence it stands for (U+009B as ^[[): plain ASCII, which every
// font has. Past the first limit characters the quote stops, and says how many
// more there were: «…»… y 1.987 caracteres más.
std::string Quote(std::string_view text, std::size_t limit = QuotedCharacters);

// "… y 1.987 caracteres más", for whatever a message leaves out.
std::string MoreCharacters(std::size_t count);

// A count with a point between thousands, as Spanish writes it: 1.987.
std::string Thousands(std::size_t count);
