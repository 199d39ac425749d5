// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "runtime/random_generator.h"

namespace {

std::vector<float> Draws(RandomGenerator& generator, int count) {
    std::vector<float> out;
    for (int i = 0; i < count; ++i) {
        out.push_back(generator.Next());
    }
    return out;
}

TEST(RandomGenerator, AllOneBitsStayBelowOne) {
    EXPECT_LT(RandomGenerator::UnitFloat(0xFFFFFFFFu), 1.0f);
    EXPECT_EQ(RandomGenerator::UnitFloat(0xFFFFFFFFu), 0x1.fffffep-1f);
    EXPECT_EQ(RandomGenerator::UnitFloat(0u), 0.0f);
}

TEST(RandomGenerator, DrawsAreInRangeAndSpreadEvenly) {
    RandomGenerator generator(12345);
    generator.Reseed(0);
    std::array<int, 10> buckets{};
    constexpr int Count = 100000;
    for (int i = 0; i < Count; ++i) {
        const float r = generator.Next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        ++buckets[static_cast<std::size_t>(r * 10)];
    }
    for (const int inBucket : buckets) {
        EXPECT_NEAR(inBucket, Count / 10, 500);
    }
}

TEST(RandomGenerator, EqualSeedAndEntropyReplay) {
    RandomGenerator a(7);
    RandomGenerator b(7);
    a.Reseed(80063);
    b.Reseed(80063);
    EXPECT_EQ(Draws(a, 13), Draws(b, 13));
}

TEST(RandomGenerator, EqualSeedsFromDifferentStartsDiffer) {
    RandomGenerator a(1);
    RandomGenerator b(2);
    a.Reseed(0);
    b.Reseed(0);
    EXPECT_NE(Draws(a, 13), Draws(b, 13));
}

TEST(RandomGenerator, DifferentSeedsDiffer) {
    RandomGenerator generator(7);
    generator.Reseed(1);
    const std::vector<float> first = Draws(generator, 13);
    generator.Reseed(2);
    EXPECT_NE(first, Draws(generator, 13));
}

// As the day's link seeds: whatever each start's entropy and seed before.
TEST(RandomGenerator, TheSameDayDrawsAlikeAndAnotherDayOtherwise) {
    RandomGenerator a(1);
    RandomGenerator b(2);
    a.Reseed(5400);
    a.ReseedFromDay(20574);
    b.ReseedFromDay(20574);
    EXPECT_EQ(Draws(a, 26), Draws(b, 26));
    a.ReseedFromDay(20574);
    b.ReseedFromDay(20575);
    EXPECT_NE(Draws(a, 26), Draws(b, 26));
}

}  // namespace
