// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/random_generator.h"

namespace {

// SplitMix64: small, fast and well mixed; every state gives a full-period run.
uint64_t Mix(uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

constexpr uint64_t Golden = 0x9E3779B97F4A7C15ULL;

}  // namespace

RandomGenerator::RandomGenerator(uint64_t entropy) : entropy_(entropy), state_(Mix(entropy)) {}

void RandomGenerator::Reseed(int32_t seed) {
    state_ = Mix(entropy_ ^ Mix(static_cast<uint64_t>(static_cast<uint32_t>(seed)) + Golden));
}

void RandomGenerator::ReseedFromDay(int32_t day) {
    // No entropy: every start on that day, anywhere, draws alike.
    state_ = Mix(Mix(static_cast<uint64_t>(static_cast<uint32_t>(day))) ^ Golden);
}

uint64_t RandomGenerator::NextBits() {
    state_ += Golden;
    return Mix(state_);
}

float RandomGenerator::UnitFloat(uint32_t bits) {
    // Exactly representable: (bits >> 8) < 2^24, times 2^-24.
    return static_cast<float>(bits >> 8) * 0x1.0p-24f;
}

float RandomGenerator::Next() {
    return UnitFloat(static_cast<uint32_t>(NextBits() >> 32));
}
