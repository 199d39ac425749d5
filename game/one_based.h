// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A fixed-size array indexed from 1, as the game's tables are. Every access is
// checked: an index outside 1..N throws instead of touching memory.

#include <array>
#include <cstddef>
#include <stdexcept>

template <typename T, std::size_t N>
class OneBased {
public:
    static constexpr int First = 1;
    static constexpr int Last = static_cast<int>(N);

    T& operator[](int i) { return items_.at(Offset(i)); }
    const T& operator[](int i) const { return items_.at(Offset(i)); }

    void Fill(const T& value) { items_.fill(value); }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    friend bool operator==(const OneBased&, const OneBased&) = default;

private:
    static std::size_t Offset(int i) {
        if (i < First || i > Last) {
            throw std::out_of_range("OneBased index out of range");
        }
        return static_cast<std::size_t>(i - First);
    }

    std::array<T, N> items_{};
};
