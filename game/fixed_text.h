// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Text of a fixed number of UTF-16 characters. Assigning pads with blanks or
// cuts; before the first assignment it holds NUL characters and reads as empty.
// A cut never leaves half of a surrogate pair behind: that position becomes a
// blank, so a stored name is always well-formed where the typed one was.

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "game/surrogates.h"

template <std::size_t N>
class FixedText {
public:
    FixedText() = default;
    explicit FixedText(std::u16string_view text) { Assign(text); }

    void Assign(std::u16string_view text) {
        // A plain loop: GCC 12 warns falsely on copy_n from short literals.
        for (std::size_t i = 0; i < N; ++i) {
            chars_[i] = i < text.size() ? text[i] : u' ';
        }
        if (text.size() > N && IsHighSurrogate(chars_[N - 1])) {
            chars_[N - 1] = u' ';
        }
    }

    FixedText& operator=(std::u16string_view text) {
        Assign(text);
        return *this;
    }

    // All N characters as stored; empty while nothing was ever assigned.
    std::u16string Text() const {
        const bool never_assigned =
            std::all_of(chars_.begin(), chars_.end(), [](char16_t c) { return c == u'\0'; });
        return never_assigned ? std::u16string() : std::u16string(chars_.begin(), chars_.end());
    }

    friend bool operator==(const FixedText&, const FixedText&) = default;

private:
    std::array<char16_t, N> chars_{};
};
