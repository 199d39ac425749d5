// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The search for the best answer to a puzzle: the value closest to the target
// that an answer over some of the numbers reaches, with the fewest numbers,
// then the shortest text.
//
// Answers are expression trees over the numbers, each number used at most as
// often as it is given, with + - x / computed as the game computes them: a
// division rounded as the game rounds it (or, with exact, only divisions
// without remainder), every step within 16 bits and none of value 0. A
// negative step is allowed: the game computes it like any other.
//
// The values of every selection of up to four numbers are tabulated, each
// with the fewest parentheses its text needs. Five and six numbers are looked
// up instead: one side of the last step is enumerated from a table, the other
// operand is asked for by range (solver/operand_ranges.h). Once the look-ups
// have cost what building the tables of five and six numbers would, those are
// built instead.
//
// Among the answers at the best distance: the fewest numbers, then the
// shortest text (its digits and operators are fixed by the numbers chosen, so
// the fewest parentheses for them), then the value below the target, then
// the first in the search's fixed order. The numbers are sorted first, so the
// order they are given in does not matter.

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "solver/expression.h"
#include "solver/operand_ranges.h"
#include "solver/value_set.h"

inline constexpr int MaxNumbers = 6;

struct SearchResult {
    int32_t Value = 0;
    int32_t Distance = 0;
    int Count = 0;        // numbers used
    int Parentheses = 0;  // pairs in the text
    Expression Answer;
};

class Search {
public:
    // Adaptive: five and six numbers are looked up while that costs less
    // than building their tables. Tests force one way or the other.
    enum class Strategy { Adaptive, Lookups, Tables };
    explicit Search(Strategy strategy = Strategy::Adaptive);

    // target in 1..32767, 1 to 6 numbers in 1..32767.
    SearchResult Run(int32_t target, std::span<const int16_t> numbers, bool exact);

    // The tests compare look-ups with tables through Search's own tables.
    friend struct SearchProbe;

private:
    static constexpr int MaskCount = 1 << MaxNumbers;
    static constexpr int MaxLevels = MaxNumbers - 1;
    static constexpr int Unreached = 99;  // more parentheses than any answer has

    struct Split {
        uint8_t Small;  // the side with no more numbers than the other
        uint8_t Large;
    };

    struct Table {
        bool Built = false;
        int Levels = 0;  // Sets[j] holds the values needing at most j pairs
        std::array<ValueSet*, MaxLevels> Sets{};
        std::vector<int16_t> Values;
        std::vector<uint8_t> Parens;  // fewest pairs, per value
    };

    void Reset(std::span<const int16_t> numbers, bool exact);
    uint8_t Canonical(unsigned mask) const;
    void PrepareMasks();
    ValueSet* TakeSet();

    // The phases of Run: how close the best answer comes, the values at that
    // distance, the fewest numbers reaching one, the shortest such answer.
    int32_t ClosestDistance(int32_t target);
    static std::vector<int32_t> ClosestValues(int32_t target, int32_t distance);
    int FewestNumbers(const std::vector<int32_t>& values);
    uint8_t ShortestAnswer(const std::vector<int32_t>& values, int count, SearchResult& result);
    static int32_t DistanceIn(const ValueSet& set, int32_t target);
    int32_t BuildSizes(int from, int to, int32_t target);
    bool ReachedBySize(int k, int32_t value);

    void BuildTable(uint8_t mask);
    uint64_t EstimatedPairs() const;
    // Measured: pairing two values for a table costs about four look-ups.
    static constexpr uint64_t PairCostInAsks = 4;
    // Keeps the fewest pairs of parentheses seen for a value while a table
    // is built. The innermost step of the search: inlined.
    void Offer(int32_t value, int parens) {
        if (value == 0 || value < ValueSet::Min || value > ValueSet::Max) {
            return;
        }
        uint8_t& known = scratch_[static_cast<std::size_t>(value - ValueSet::Min)];
        if (known == NotOffered) {
            offered_.push_back(static_cast<int16_t>(value));
            known = static_cast<uint8_t>(parens);
        } else if (parens < known) {
            known = static_cast<uint8_t>(parens);
        }
    }
    static constexpr uint8_t NotOffered = 0xFF;

    // Fewest pairs of parentheses over the values of mask in [lo, hi], when
    // below limit; limit when there is none. With any, the first value found
    // below limit is enough.
    int MinParens(uint8_t mask, int32_t lo, int32_t hi, int limit, bool any);
    int MinParensByLookup(uint8_t mask, int32_t lo, int32_t hi, int limit, bool any);

    bool Reaches(uint8_t mask, int32_t value) {
        return MinParens(mask, value, value, Unreached, true) < Unreached;
    }

    // Adds to out a tree over mask with a value in [lo, hi] and at most parens
    // pairs, and returns its root.
    int Build(uint8_t mask, int32_t lo, int32_t hi, int parens, Expression& out);

    int n_ = 0;
    bool exact_ = false;
    Strategy strategy_;
    uint64_t asked_ = 0;  // look-ups so far, the unit of the cost estimates
    std::array<int16_t, MaxNumbers> numbers_{};
    std::array<uint8_t, MaskCount> canonical_{};
    std::array<int, MaskCount> size_{};
    std::array<int, MaskCount> digits_{};
    std::array<int32_t, MaskCount> bound_{};  // no value of the mask is larger in magnitude
    std::array<std::vector<Split>, MaskCount> splits_;
    std::array<std::vector<uint8_t>, MaxNumbers + 1> masksBySize_;
    std::array<Table, MaskCount> tables_;

    std::array<ValueSet*, MaxNumbers + 1> bySize_{};  // the values of all tables of a size
    std::array<std::vector<int16_t>, MaxNumbers + 1> bySizeValues_;

    std::vector<std::unique_ptr<ValueSet>> pool_;
    std::size_t poolUsed_ = 0;

    std::vector<uint8_t> scratch_;  // fewest pairs per value while a table is built
    std::vector<int16_t> offered_;
};
