// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The last word on an answer before it is printed: the game itself reads it,
// as it reads a player's submission, with its own tokenizer, evaluator and
// number-use check. An answer it does not confirm is never printed.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

struct Confirmation {
    bool Confirmed = false;
    std::string Problem;  // in Spanish, when not confirmed
};

Confirmation ConfirmAnswer(std::string_view text, int32_t value, std::span<const int16_t> numbers);
