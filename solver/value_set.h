// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A set of the values the game can hold, -32768..32767, as one bit each, with
// a summary bit per 64-bit word so that a search over a wide range skips empty
// words 64 at a time. Cleared value by value: a set is reused for many puzzles
// and usually holds few values.

#include <array>
#include <bit>
#include <cstdint>
#include <span>

class ValueSet {
public:
    static constexpr int32_t Min = -32768;
    static constexpr int32_t Max = 32767;
    static constexpr int32_t None = Max + 1;  // no value found

    void Insert(int32_t value) {
        const uint32_t i = Index(value);
        words_[i >> 6] |= uint64_t{1} << (i & 63);
        summary_[i >> 12] |= uint64_t{1} << ((i >> 6) & 63);
    }

    bool Contains(int32_t value) const {
        const uint32_t i = Index(value);
        return (words_[i >> 6] >> (i & 63) & 1) != 0;
    }

    // The smallest value in [lo, hi], or None.
    int32_t FirstIn(int32_t lo, int32_t hi) const {
        if (lo < Min) {
            lo = Min;
        }
        if (hi > Max) {
            hi = Max;
        }
        if (lo > hi) {
            return None;
        }
        const int32_t found = Next(Index(lo));
        return found <= hi ? found : None;
    }

    bool AnyIn(int32_t lo, int32_t hi) const { return FirstIn(lo, hi) != None; }

    // The largest value <= value, or None; the smallest value >= value, or None.
    int32_t AtOrBelow(int32_t value) const;
    int32_t AtOrAbove(int32_t value) const { return value > Max ? None : FirstIn(value, Max); }

    // Empties the set, given every value it holds.
    void Clear(std::span<const int16_t> values) {
        for (const int16_t v : values) {
            const uint32_t i = Index(v);
            words_[i >> 6] = 0;
            summary_[i >> 12] = 0;
        }
    }

private:
    static uint32_t Index(int32_t value) { return static_cast<uint32_t>(value - Min); }
    static int32_t ValueAt(uint32_t index) { return static_cast<int32_t>(index) + Min; }

    int32_t Next(uint32_t index) const {
        uint32_t w = index >> 6;
        const uint64_t first = words_[w] & (~uint64_t{0} << (index & 63));
        if (first != 0) {
            return ValueAt((w << 6) + static_cast<uint32_t>(std::countr_zero(first)));
        }
        ++w;
        if (w == Words) {
            return None;
        }
        uint32_t s = w >> 6;
        uint64_t bits = summary_[s] & (~uint64_t{0} << (w & 63));
        while (bits == 0) {
            if (++s == SummaryWords) {
                return None;
            }
            bits = summary_[s];
        }
        w = (s << 6) + static_cast<uint32_t>(std::countr_zero(bits));
        return ValueAt((w << 6) + static_cast<uint32_t>(std::countr_zero(words_[w])));
    }

    static constexpr uint32_t Words = 1024;
    static constexpr uint32_t SummaryWords = 16;
    std::array<uint64_t, Words> words_{};
    std::array<uint64_t, SummaryWords> summary_{};
};

inline int32_t ValueSet::AtOrBelow(int32_t value) const {
    if (value < Min) {
        return None;
    }
    if (value > Max) {
        value = Max;
    }
    const uint32_t index = Index(value);
    uint32_t w = index >> 6;
    const uint64_t first = words_[w] & (~uint64_t{0} >> (63 - (index & 63)));
    if (first != 0) {
        return ValueAt((w << 6) + 63 - static_cast<uint32_t>(std::countl_zero(first)));
    }
    if (w == 0) {
        return None;
    }
    --w;
    uint32_t s = w >> 6;
    uint64_t bits = summary_[s] & (~uint64_t{0} >> (63 - (w & 63)));
    while (bits == 0) {
        if (s == 0) {
            return None;
        }
        bits = summary_[--s];
    }
    w = (s << 6) + 63 - static_cast<uint32_t>(std::countl_zero(bits));
    return ValueAt((w << 6) + 63 - static_cast<uint32_t>(std::countl_zero(words_[w])));
}
