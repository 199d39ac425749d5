// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The game's pseudo-random generator: uniform single-precision values in
// [0, 1). Reseeding mixes the seed with an entropy value chosen per start, so
// the many starts that share a seed (every start at hh:mm:00, for one) still
// draw different puzzles. Equal seed and entropy replay the same sequence.
// The day's puzzle is seeded from its day alone, the same on every start.

#include <cstdint>

class RandomGenerator {
public:
    explicit RandomGenerator(uint64_t entropy);

    void Reseed(int32_t seed);
    void ReseedFromDay(int32_t day);  // without the entropy
    float Next();

    // 24 random bits as a float in [0, 1): never exactly 1, unlike a float
    // rounded from a wider fraction.
    static float UnitFloat(uint32_t bits);

private:
    uint64_t NextBits();

    uint64_t entropy_;
    uint64_t state_;
};
