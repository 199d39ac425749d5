// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/search.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <limits>
#include <stdexcept>
#include <string>

#include "answer/step_arithmetic.h"

namespace {

int Digits(int32_t number) {
    int digits = 1;
    for (; number >= 10; number /= 10) {
        ++digits;
    }
    return digits;
}

}  // namespace

Search::Search(Strategy strategy)
    : strategy_(strategy), scratch_(ValueSet::Max - ValueSet::Min + 1, NotOffered) {}

ValueSet* Search::TakeSet() {
    if (poolUsed_ == pool_.size()) {
        pool_.push_back(std::make_unique<ValueSet>());
    }
    return pool_[poolUsed_++].get();
}

void Search::Reset(std::span<const int16_t> numbers, bool exact) {
    for (Table& table : tables_) {
        if (table.Built) {
            for (int j = 0; j < table.Levels; ++j) {
                table.Sets[static_cast<std::size_t>(j)]->Clear(table.Values);
            }
        }
        // Keeps the vectors' memory for the next puzzle.
        table.Built = false;
        table.Values.clear();
        table.Parens.clear();
    }
    for (std::size_t k = 0; k < bySize_.size(); ++k) {
        if (bySize_[k] != nullptr) {
            bySize_[k]->Clear(bySizeValues_[k]);
        }
        bySizeValues_[k].clear();
    }
    poolUsed_ = 0;
    for (ValueSet*& set : bySize_) {
        set = TakeSet();
    }

    n_ = static_cast<int>(numbers.size());
    exact_ = exact;
    std::copy(numbers.begin(), numbers.end(), numbers_.begin());
    std::sort(numbers_.begin(), numbers_.begin() + n_);
    PrepareMasks();
}

// Equal numbers are interchangeable: a selection takes the first ones of a
// run, so each multiset of numbers is searched once.
uint8_t Search::Canonical(unsigned mask) const {
    unsigned result = 0;
    int i = 0;
    while (i < n_) {
        int j = i;
        while (j < n_ &&
               numbers_[static_cast<std::size_t>(j)] == numbers_[static_cast<std::size_t>(i)]) {
            ++j;
        }
        const unsigned run = ((1u << (j - i)) - 1u) << i;
        const int taken = std::popcount(mask & run);
        result |= ((1u << taken) - 1u) << i;
        i = j;
    }
    return static_cast<uint8_t>(result);
}

void Search::PrepareMasks() {
    for (auto& masks : masksBySize_) {
        masks.clear();
    }
    const unsigned all = (1u << n_) - 1u;
    for (unsigned mask = 1; mask <= all; ++mask) {
        canonical_[mask] = Canonical(mask);
        size_[mask] = std::popcount(mask);
        const int lowest = std::countr_zero(mask);
        digits_[mask] =
            digits_[mask & (mask - 1)] + Digits(numbers_[static_cast<std::size_t>(lowest)]);
        splits_[mask].clear();
    }
    for (int k = 1; k <= n_; ++k) {
        for (unsigned mask = 1; mask <= all; ++mask) {
            if (size_[mask] != k || canonical_[mask] != mask) {
                continue;
            }
            masksBySize_[static_cast<std::size_t>(k)].push_back(static_cast<uint8_t>(mask));
            if (k == 1) {
                bound_[mask] = numbers_[static_cast<std::size_t>(std::countr_zero(mask))];
                continue;
            }
            int64_t bound = 0;
            std::vector<Split>& splits = splits_[mask];
            for (unsigned part = (mask - 1) & mask; part != 0; part = (part - 1) & mask) {
                uint8_t small = canonical_[part];
                uint8_t large = canonical_[mask ^ part];
                if (size_[small] > size_[large] ||
                    (size_[small] == size_[large] && small > large)) {
                    std::swap(small, large);
                }
                const bool known = std::any_of(splits.begin(), splits.end(), [&](const Split& s) {
                    return s.Small == small && s.Large == large;
                });
                if (!known) {
                    splits.push_back({small, large});
                    const int64_t a = bound_[small];
                    const int64_t b = bound_[large];
                    bound = std::max({bound, a + b, a * b});
                }
            }
            bound_[mask] = static_cast<int32_t>(std::min<int64_t>(bound, -int64_t{ValueSet::Min}));
        }
    }
}

// Every pair of values of the two sides, in both orders. A right operand that
// is itself a step costs a pair of parentheses.
void Search::BuildTable(uint8_t mask) {
    Table& table = tables_[mask];
    const int k = size_[mask];
    table.Levels = std::max(1, k - 1);
    offered_.clear();
    if (k == 1) {
        Offer(numbers_[static_cast<std::size_t>(std::countr_zero(unsigned{mask}))], 0);
    }
    for (const Split& split : splits_[mask]) {
        const Table& a = tables_[split.Small];
        const Table& b = tables_[split.Large];
        const int aExtra = size_[split.Small] >= 2 ? 1 : 0;
        const int bExtra = size_[split.Large] >= 2 ? 1 : 0;
        for (std::size_t i = 0; i < a.Values.size(); ++i) {
            const int32_t x = a.Values[i];
            const int px = a.Parens[i];
            for (std::size_t j = 0; j < b.Values.size(); ++j) {
                const int32_t y = b.Values[j];
                const int py = b.Parens[j];
                const int xLeft = px + (bExtra != 0 ? py + 1 : 0);
                const int yLeft = py + (aExtra != 0 ? px + 1 : 0);
                const int either = std::min(xLeft, yLeft);
                Offer(ExactStep(TokPlus, x, y), either);
                Offer(ExactStep(TokTimes, x, y), either);
                Offer(ExactStep(TokMinus, x, y), xLeft);
                Offer(ExactStep(TokMinus, y, x), yLeft);
                // A quotient below one half rounds to 0, which is no step;
                // an exact one needs a dividend at least as large.
                const int32_t ax = std::abs(x);
                const int32_t ay = std::abs(y);
                if (exact_ ? ax >= ay && x % y == 0 : 2 * ax >= ay) {
                    Offer(ExactStep(TokDivide, x, y), xLeft);
                }
                if (exact_ ? ay >= ax && y % x == 0 : 2 * ay >= ax) {
                    Offer(ExactStep(TokDivide, y, x), yLeft);
                }
            }
        }
    }
    table.Values.assign(offered_.begin(), offered_.end());
    table.Parens.resize(offered_.size());
    for (int j = 0; j < table.Levels; ++j) {
        table.Sets[static_cast<std::size_t>(j)] = TakeSet();
    }
    ValueSet& all = *bySize_[static_cast<std::size_t>(k)];
    std::vector<int16_t>& allValues = bySizeValues_[static_cast<std::size_t>(k)];
    for (std::size_t i = 0; i < offered_.size(); ++i) {
        const int16_t value = offered_[i];
        uint8_t& known = scratch_[static_cast<std::size_t>(value - ValueSet::Min)];
        table.Parens[i] = known;
        for (int j = known; j < table.Levels; ++j) {
            table.Sets[static_cast<std::size_t>(j)]->Insert(value);
        }
        known = NotOffered;
        if (!all.Contains(value)) {
            all.Insert(value);
            allValues.push_back(value);
        }
    }
    table.Built = true;
}

int Search::MinParens(uint8_t mask, int32_t lo, int32_t hi, int limit, bool any) {
    lo = std::max(lo, -bound_[mask]);
    hi = std::min({hi, bound_[mask], ValueSet::Max});
    if (lo > hi || limit <= 0) {
        return limit;
    }
    const Table& table = tables_[mask];
    if (table.Built) {
        const int levels = std::min(table.Levels, limit);
        for (int j = 0; j < levels; ++j) {
            if (table.Sets[static_cast<std::size_t>(j)]->AnyIn(lo, hi)) {
                return j;
            }
        }
        return limit;
    }
    // No step gives 0, so the target is asked for on each side of it.
    if (lo <= 0 && hi >= 0) {
        int best = lo <= -1 ? MinParensByLookup(mask, lo, -1, limit, any) : limit;
        if ((any && best < limit) || hi < 1) {
            return best;
        }
        return MinParensByLookup(mask, 1, hi, best, any);
    }
    return MinParensByLookup(mask, lo, hi, limit, any);
}

// The last step combines a value x of the smaller side, from its table, with
// the value of the larger side that the step needs, asked for by range. The
// larger side has at least three numbers here, so as a right operand it is
// always in parentheses; as a left operand it is worth trying first.
int Search::MinParensByLookup(uint8_t mask, int32_t lo, int32_t hi, int limit, bool any) {
    const Range target{lo, hi};
    int best = limit;
    for (const Split& split : splits_[mask]) {
        const Table& small = tables_[split.Small];
        const uint8_t large = split.Large;
        const bool smallIsStep = size_[split.Small] >= 2;
        for (std::size_t i = 0; i < small.Values.size(); ++i) {
            const int32_t x = small.Values[i];
            const int px = small.Parens[i];
            const int xRight = smallIsStep ? px + 1 : 0;  // the larger side on the left
            const int xLeft = px + 1;
            if (xRight >= best) {
                continue;
            }
            // True when done: any was asked and a value was found.
            auto ask = [&](Range r, int cost) {
                if (r.Empty() || cost >= best) {
                    return false;
                }
                ++asked_;
                const int p = MinParens(large, r.Lo, r.Hi, best - cost, any);
                if (p + cost < best) {
                    best = p + cost;
                    return any;
                }
                return false;
            };
            if (ask({lo - x, hi - x}, xRight) ||                  // L + x
                ask({lo + x, hi + x}, xRight) ||                  // L - x
                ask(MultiplierRange(x, target), xRight) ||        // L x x
                ask(DividendRange(x, target, exact_), xRight) ||  // L / x
                ask({x - hi, x - lo}, xLeft) ||                   // x - L
                ask(DivisorRange(x, target, exact_), xLeft)) {    // x / L
                return best;
            }
        }
    }
    return best;
}

int Search::Build(uint8_t mask, int32_t lo, int32_t hi, int parens, Expression& out) {
    if (size_[mask] == 1) {
        return out.AddNumber(numbers_[static_cast<std::size_t>(std::countr_zero(unsigned{mask}))]);
    }
    if (lo <= 0 && hi >= 0) {
        // As MinParens does: one side of 0, then the other.
        if (lo <= -1 && MinParens(mask, lo, -1, parens + 1, true) <= parens) {
            return Build(mask, lo, -1, parens, out);
        }
        return Build(mask, 1, hi, parens, out);
    }
    const Range target{lo, hi};
    for (const Split& split : splits_[mask]) {
        const Table& small = tables_[split.Small];
        const uint8_t large = split.Large;
        const int largeExtra = size_[large] >= 2 ? 1 : 0;
        const bool smallIsStep = size_[split.Small] >= 2;
        for (std::size_t i = 0; i < small.Values.size(); ++i) {
            const int32_t x = small.Values[i];
            const int px = small.Parens[i];
            struct Way {
                int16_t Op;
                bool LargeLeft;
                Range Operand;
            };
            const Way ways[] = {
                {TokPlus, true, {lo - x, hi - x}},
                {TokMinus, true, {lo + x, hi + x}},
                {TokTimes, true, MultiplierRange(x, target)},
                {TokDivide, true, DividendRange(x, target, exact_)},
                {TokMinus, false, {x - hi, x - lo}},
                {TokDivide, false, DivisorRange(x, target, exact_)},
            };
            for (const Way& way : ways) {
                // The pairs apart from the larger side's own, and what it may have.
                const int others = way.LargeLeft ? (smallIsStep ? px + 1 : 0) : px + largeExtra;
                const int allowed = parens - others;
                if (way.Operand.Empty() || allowed < 0) {
                    continue;
                }
                const int p = MinParens(large, way.Operand.Lo, way.Operand.Hi, allowed + 1, true);
                if (p > allowed) {
                    continue;
                }
                // Fewer pairs than allowed would do as well; at the top there
                // are none, parens being the fewest.
                const int xNode = Build(split.Small, x, x, px, out);
                const int largeNode = Build(large, way.Operand.Lo, way.Operand.Hi, p, out);
                const int node = way.LargeLeft ? out.AddStep(way.Op, largeNode, xNode)
                                               : out.AddStep(way.Op, xNode, largeNode);
                const int32_t value = out.Nodes()[static_cast<std::size_t>(node)].Value;
                if (value < lo || value > hi || value == 0) {
                    throw std::logic_error("la búsqueda construyó un valor fuera del objetivo");
                }
                return node;
            }
        }
    }
    throw std::logic_error("la búsqueda no encontró la respuesta que había contado");
}

SearchResult Search::Run(int32_t target, std::span<const int16_t> numbers, bool exact) {
    Reset(numbers, exact);
    const std::vector<int32_t> values = ClosestValues(target, ClosestDistance(target));
    const int count = FewestNumbers(values);
    SearchResult result;
    const uint8_t mask = ShortestAnswer(values, count, result);
    result.Distance = std::abs(result.Value - target);
    result.Count = count;
    Build(mask, result.Value, result.Value, result.Parentheses, result.Answer);
    return result;
}

int32_t Search::DistanceIn(const ValueSet& set, int32_t target) {
    int32_t best = std::numeric_limits<int32_t>::max();
    const int32_t below = set.AtOrBelow(target);
    const int32_t above = set.AtOrAbove(target);
    if (below != ValueSet::None) {
        best = std::min(best, target - below);
    }
    if (above != ValueSet::None) {
        best = std::min(best, above - target);
    }
    return best;
}

// Builds the tables of sizes from..to; the distance that all tables of sizes
// 1..to reach.
int32_t Search::BuildSizes(int from, int to, int32_t target) {
    int32_t distance = std::numeric_limits<int32_t>::max();
    for (int k = from; k <= to; ++k) {
        for (const uint8_t mask : masksBySize_[static_cast<std::size_t>(k)]) {
            BuildTable(mask);
        }
    }
    for (int k = 1; k <= to; ++k) {
        distance = std::min(distance, DistanceIn(*bySize_[static_cast<std::size_t>(k)], target));
    }
    return distance;
}

int32_t Search::ClosestDistance(int32_t target) {
    const int tabled = strategy_ == Strategy::Tables ? n_ : std::min(n_, 4);
    const int32_t distance = BuildSizes(1, tabled, target);
    if (tabled == n_ || distance == 0) {
        return distance;
    }
    // Closer values can only come from five or six numbers, no larger than
    // the bound of all six. Round by round, both sides of the target are
    // looked up.
    const int32_t bound = bound_[masksBySize_[static_cast<std::size_t>(n_)].front()];
    const int32_t first = std::max(0, target - bound);
    const int32_t last = std::min(distance - 1, target + bound);
    const uint64_t tableCost = PairCostInAsks * EstimatedPairs();
    const uint64_t askedBefore = asked_;
    for (int32_t d = first; d <= last; ++d) {
        for (const int32_t v : {target - d, target + d}) {
            for (int k = tabled + 1; k <= n_; ++k) {
                if (ReachedBySize(k, v)) {
                    return d;
                }
            }
        }
        // Once the look-ups have cost as much as the tables would, the
        // tables: never much more than twice the cheaper way.
        if (strategy_ == Strategy::Adaptive && asked_ - askedBefore > tableCost) {
            return BuildSizes(tabled + 1, n_, target);
        }
    }
    return distance;
}

std::vector<int32_t> Search::ClosestValues(int32_t target, int32_t distance) {
    std::vector<int32_t> values;
    for (const int32_t v : {target - distance, target + distance}) {
        if (v != 0 && InStepRange(v) && (values.empty() || values.back() != v)) {
            values.push_back(v);
        }
    }
    return values;
}

bool Search::ReachedBySize(int k, int32_t value) {
    for (const uint8_t mask : masksBySize_[static_cast<std::size_t>(k)]) {
        if (Reaches(mask, value)) {
            return true;
        }
    }
    return false;
}

int Search::FewestNumbers(const std::vector<int32_t>& values) {
    for (int k = 1; k <= n_; ++k) {
        const bool tabled = tables_[masksBySize_[static_cast<std::size_t>(k)].front()].Built;
        for (const int32_t v : values) {
            if (tabled ? bySize_[static_cast<std::size_t>(k)]->Contains(v) : ReachedBySize(k, v)) {
                return k;
            }
        }
    }
    return 0;
}

// The shortest text: digits and operators are fixed by the numbers chosen,
// the rest is parentheses. Ties go to the lower value, then to the first
// selection. Sets the value and parentheses of result; returns the numbers.
uint8_t Search::ShortestAnswer(const std::vector<int32_t>& values, int count,
                               SearchResult& result) {
    int bestLength = std::numeric_limits<int>::max();
    uint8_t bestMask = 0;
    for (const int32_t v : values) {
        for (const uint8_t mask : masksBySize_[static_cast<std::size_t>(count)]) {
            const int base = digits_[mask] + count - 1;
            const int limit = bestLength == std::numeric_limits<int>::max()
                                  ? Unreached
                                  : (bestLength - base + 1) / 2;
            const int p = MinParens(mask, v, v, limit, false);
            if (p < limit && base + 2 * p < bestLength) {
                bestLength = base + 2 * p;
                bestMask = mask;
                result.Value = v;
                result.Parentheses = p;
            }
        }
    }
    return bestMask;
}

// Pairs of values that building the tables of five and six numbers would
// combine. A table of five holds about as many values as it combined pairs,
// capped at every value there is.
uint64_t Search::EstimatedPairs() const {
    std::array<uint64_t, MaskCount> pairs{};
    uint64_t total = 0;
    for (int k = 5; k <= n_; ++k) {
        for (const uint8_t mask : masksBySize_[static_cast<std::size_t>(k)]) {
            for (const Split& split : splits_[mask]) {
                auto size = [&](uint8_t side) -> uint64_t {
                    return tables_[side].Built ? tables_[side].Values.size()
                                               : std::min<uint64_t>(pairs[side], 65535);
                };
                pairs[mask] += size(split.Small) * size(split.Large);
            }
            total += pairs[mask];
        }
    }
    return total;
}
