#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <set>
#include <vector>

#include "solver/value_set.h"

namespace {

// Searches across words and across summary words, against an ordered set.
TEST(ValueSet, FindsTheNearestValuesOfAnOrderedSet) {
    std::mt19937 rng(3);
    ValueSet set;
    for (const int count : {0, 1, 5, 300}) {
        std::set<int32_t> reference;
        std::vector<int16_t> held;
        std::uniform_int_distribution<int32_t> any(-32768, 32767);
        if (count == 1) {
            reference.insert(-32768);  // the first bit of the first word
        }
        while (static_cast<int>(reference.size()) < count) {
            reference.insert(any(rng));
        }
        for (const int32_t v : reference) {
            set.Insert(v);
            held.push_back(static_cast<int16_t>(v));
        }
        for (int probe = 0; probe < 2000; ++probe) {
            const int32_t lo =
                probe < 4 ? std::vector<int32_t>{-32768, 32767, -1, 0}[probe] : any(rng);
            const int32_t hi = std::min(32767, lo + static_cast<int32_t>(rng() % 5000));
            const auto first = reference.lower_bound(lo);
            const int32_t expected =
                first != reference.end() && *first <= hi ? *first : ValueSet::None;
            ASSERT_EQ(set.FirstIn(lo, hi), expected) << lo << ".." << hi;
            const auto above = reference.lower_bound(lo);
            ASSERT_EQ(set.AtOrAbove(lo), above == reference.end() ? ValueSet::None : *above);
            auto below = reference.upper_bound(lo);
            ASSERT_EQ(set.AtOrBelow(lo),
                      below == reference.begin() ? ValueSet::None : *std::prev(below));
            ASSERT_EQ(set.Contains(lo), reference.count(lo) == 1);
        }
        set.Clear(held);
        EXPECT_EQ(set.FirstIn(ValueSet::Min, ValueSet::Max), ValueSet::None);
    }
}

TEST(ValueSet, RangesBeyondTheGamesValuesAreClipped) {
    ValueSet set;
    set.Insert(-32768);
    set.Insert(32767);
    EXPECT_EQ(set.FirstIn(-70000, -32768), -32768);
    EXPECT_EQ(set.FirstIn(32767, 70000), 32767);
    EXPECT_EQ(set.FirstIn(5, 4), ValueSet::None);
    EXPECT_EQ(set.AtOrBelow(70000), 32767);
    EXPECT_EQ(set.AtOrAbove(-70000), -32768);
    EXPECT_EQ(set.AtOrAbove(70000), ValueSet::None);
    EXPECT_EQ(set.AtOrBelow(-70000), ValueSet::None);
}

}  // namespace
