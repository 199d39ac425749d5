// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The search against an independent brute force: start from the numbers,
// pick two values, combine them with every operator in both orders, and
// recurse. Every value met on the way is an answer over the numbers it
// consumed. The rounding is computed apart from the game's function too, in
// double precision, as the game's evaluator promises it is.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <tuple>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "solver/confirm.h"
#include "solver/search.h"

// After Run, on the same numbers: the fewest pairs of parentheses of an
// answer over exactly count of the numbers that reaches value, or -1 when
// none does.
struct SearchProbe {
    static int FewestParentheses(Search& search, int count, int32_t value) {
        int fewest = Search::Unreached;
        for (const uint8_t mask : search.masksBySize_[static_cast<std::size_t>(count)]) {
            fewest = std::min(fewest, search.MinParens(mask, value, value, fewest, false));
        }
        return fewest == Search::Unreached ? -1 : fewest;
    }
};

namespace {

struct Item {
    int32_t value;
    int count;
    int length;  // of the text as typed; only when lengths are tracked
    bool number;
};

class BruteForce {
public:
    BruteForce(bool exact, bool lengths) : exact_(exact), lengths_(lengths) {}

    void Run(const std::vector<int16_t>& numbers) {
        std::vector<Item> items;
        for (const int16_t n : numbers) {
            items.push_back({n, 1, static_cast<int>(std::to_string(n).size()), true});
        }
        Explore(items);
    }

    // The best distance, then the fewest numbers, then the shortest text.
    struct Best {
        int32_t distance = std::numeric_limits<int32_t>::max();
        int count = 99;
        int length = 99;
    };
    Best For(int32_t target) const {
        Best best;
        for (const auto& [key, item] : seen_) {
            const int32_t distance = std::abs(item.value - target);
            const bool better = distance < best.distance ||
                                (distance == best.distance &&
                                 (item.count < best.count ||
                                  (item.count == best.count && item.length < best.length)));
            if (better) {
                best = {distance, item.count, item.length};
            }
        }
        return best;
    }

    // The fewest numbers of any answer reaching value, 0 when none does.
    int FewestCount(int32_t value) const {
        int fewest = 0;
        for (int count = 6; count >= 1; --count) {
            const uint64_t key =
                (static_cast<uint64_t>(value + 32768) << 8) | static_cast<uint64_t>(count);
            if (seen_.count(key) != 0) {
                fewest = count;
            }
        }
        return fewest;
    }

private:
    static bool Legal(int64_t v) { return v != 0 && v >= -32768 && v <= 32767; }

    int32_t Divide(int32_t a, int32_t b, bool& ok) const {
        ok = !exact_ || a % b == 0;
        return static_cast<int32_t>(std::nearbyint(static_cast<double>(a) / b));
    }

    // Keeps, per value and count, the shortest text.
    void Record(const Item& item) {
        const uint64_t key =
            (static_cast<uint64_t>(item.value + 32768) << 8) | static_cast<uint64_t>(item.count);
        auto [it, fresh] = seen_.insert({key, item});
        if (!fresh && item.length < it->second.length) {
            it->second = item;
        }
    }

    // The items as a sorted run of packed words: one state however it was reached.
    struct Key {
        std::array<uint32_t, 6> words{};
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const {
            uint64_t h = 1469598103934665603ULL;
            for (const uint32_t w : key.words) {
                h = (h ^ w) * 1099511628211ULL;
            }
            return static_cast<std::size_t>(h);
        }
    };
    Key KeyOf(const std::vector<Item>& items) const {
        Key key;
        for (std::size_t i = 0; i < items.size(); ++i) {
            const Item& item = items[i];
            key.words[i] = static_cast<uint32_t>(item.value + 32768) |
                           static_cast<uint32_t>(item.count) << 16 |
                           static_cast<uint32_t>(lengths_ ? item.length : 0) << 19 |
                           (item.number ? 1u : 0u) << 27;
        }
        std::sort(key.words.begin(), key.words.end());  // unused words are 0, no item is
        return key;
    }

    // a as left operand, b as right: a right operand that is a step is typed
    // in parentheses.
    Item Step(int32_t value, const Item& a, const Item& b) const {
        return {value, a.count + b.count,
                lengths_ ? a.length + 1 + b.length + (b.number ? 0 : 2) : 0, false};
    }

    void Explore(const std::vector<Item>& items) {
        for (const Item& item : items) {
            Record(item);
        }
        if (items.size() < 2 || !visited_.insert(KeyOf(items)).second) {
            return;
        }
        for (std::size_t i = 0; i < items.size(); ++i) {
            for (std::size_t j = 0; j < items.size(); ++j) {
                if (i == j) {
                    continue;
                }
                // Ordered pairs: a on the left. + and x once per unordered
                // pair unless lengths tell the orders apart.
                const Item& a = items[i];
                const Item& b = items[j];
                std::array<Item, 4> results{};
                std::size_t found = 0;
                const int64_t x = a.value;
                const int64_t y = b.value;
                if (lengths_ || i < j) {
                    if (Legal(x + y)) {
                        results[found++] = (Step(static_cast<int32_t>(x + y), a, b));
                    }
                    if (Legal(x * y)) {
                        results[found++] = (Step(static_cast<int32_t>(x * y), a, b));
                    }
                }
                if (Legal(x - y)) {
                    results[found++] = (Step(static_cast<int32_t>(x - y), a, b));
                }
                bool ok = false;
                const int32_t q = Divide(a.value, b.value, ok);
                if (ok && Legal(q)) {
                    results[found++] = (Step(q, a, b));
                }
                for (std::size_t r = 0; r < found; ++r) {
                    std::vector<Item> next;
                    for (std::size_t k = 0; k < items.size(); ++k) {
                        if (k != i && k != j) {
                            next.push_back(items[k]);
                        }
                    }
                    next.push_back(results[r]);
                    Explore(next);
                }
            }
        }
    }

    bool exact_;
    bool lengths_;
    std::unordered_set<Key, KeyHash> visited_;
    std::unordered_map<uint64_t, Item> seen_;
};

struct Draw {
    int32_t target;
    std::vector<int16_t> numbers;
};

// Half like the game's draws, half anything: wide numbers and targets, where
// steps leave the 16-bit range and negative values matter.
Draw RandomDraw(std::mt19937& rng, int count) {
    Draw draw;
    const bool gameLike = rng() % 2 == 0;
    for (int i = 0; i < count; ++i) {
        int number = 0;
        if (gameLike) {
            number = rng() % 5 == 0 ? 25 * static_cast<int>(rng() % 4 + 1)
                                    : static_cast<int>(rng() % 11 + 1);
        } else {
            const int kind = static_cast<int>(rng() % 4);
            number = kind == 0   ? static_cast<int>(rng() % 32767 + 1)
                     : kind == 1 ? static_cast<int>(rng() % 1000 + 1)
                                 : static_cast<int>(rng() % 30 + 1);
        }
        draw.numbers.push_back(static_cast<int16_t>(number));
    }
    draw.target = gameLike ? static_cast<int32_t>(rng() % 901 + 100)
                           : static_cast<int32_t>(rng() % 32767 + 1);
    return draw;
}

std::string Describe(const Draw& draw, bool exact) {
    std::string text = std::to_string(draw.target) + ":";
    for (const int16_t n : draw.numbers) {
        text += " " + std::to_string(n);
    }
    return text + (exact ? " --exacta" : "");
}

int NumberCount(const Expression& answer) {
    return static_cast<int>(std::ranges::count(answer.Nodes(), int16_t{0}, &ExpressionNode::Op));
}

void CheckAgainstBruteForce(int count, int draws, unsigned seed) {
    std::mt19937 rng(seed);
    Search adaptive;
    Search lookups(Search::Strategy::Lookups);
    Search tables(Search::Strategy::Tables);
    for (int d = 0; d < draws; ++d) {
        const Draw draw = RandomDraw(rng, count);
        const bool exact = d % 3 == 2;
        const bool lengths = count <= 5;
        BruteForce brute(exact, lengths);
        brute.Run(draw.numbers);
        const BruteForce::Best best = brute.For(draw.target);
        for (Search* search : {&adaptive, &lookups, &tables}) {
            SCOPED_TRACE(Describe(draw, exact) + (search == &tables    ? " (tablas)"
                                                  : search == &lookups ? " (consultas)"
                                                                       : ""));
            const SearchResult found = search->Run(draw.target, draw.numbers, exact);
            ASSERT_EQ(found.Distance, best.distance);
            ASSERT_EQ(found.Count, best.count);
            const std::string text = found.Answer.Text();
            if (lengths) {
                EXPECT_EQ(static_cast<int>(text.size()), best.length) << text;
            }
            EXPECT_EQ(NumberCount(found.Answer), found.Count) << text;
            EXPECT_EQ(found.Answer.Value(), found.Value) << text;
            EXPECT_TRUE(ConfirmAnswer(text, found.Value, draw.numbers).Confirmed) << text;
        }
    }
}

TEST(SearchAgainstBruteForce, FourNumbers) {
    CheckAgainstBruteForce(4, 150, 4);
}

TEST(SearchAgainstBruteForce, FiveNumbers) {
    CheckAgainstBruteForce(5, 100, 5);
}

TEST(SearchAgainstBruteForce, SixNumbers) {
    CheckAgainstBruteForce(6, 30, 6);
}

// Every value, not only the best one: the tables hold exactly the values the
// brute force reaches, each with the fewest numbers.
TEST(SearchTables, HoldEveryValueWithItsFewestNumbers) {
    std::mt19937 rng(7);
    Search tables(Search::Strategy::Tables);
    for (int d = 0; d < 12; ++d) {
        const Draw draw = RandomDraw(rng, 4 + d % 3);
        const bool exact = d % 2 == 1;
        SCOPED_TRACE(Describe(draw, exact));
        BruteForce brute(exact, false);
        brute.Run(draw.numbers);
        tables.Run(draw.target, draw.numbers, exact);
        const int n = static_cast<int>(draw.numbers.size());
        int mismatches = 0;
        for (int32_t v = -32768; v <= 32767; ++v) {
            int fewest = 0;
            for (int k = 1; k <= n && fewest == 0; ++k) {
                fewest = SearchProbe::FewestParentheses(tables, k, v) >= 0 ? k : 0;
            }
            if (fewest != brute.FewestCount(v) && ++mismatches <= 5) {
                ADD_FAILURE() << "value " << v << ": " << fewest << " numbers, brute force "
                              << brute.FewestCount(v);
            }
        }
        EXPECT_EQ(mismatches, 0);
    }
}

// Five and six numbers are looked up unless many rounds are needed: the
// look-ups find what the tables hold, with the same fewest parentheses.
TEST(SearchLookups, AgreeWithTables) {
    std::mt19937 rng(11);
    Search lookups(Search::Strategy::Lookups);
    Search tables(Search::Strategy::Tables);
    for (int d = 0; d < 16; ++d) {
        const Draw draw = RandomDraw(rng, 5 + d % 2);
        const bool exact = d % 4 >= 2;
        SCOPED_TRACE(Describe(draw, exact));
        // A target one number reaches: no round of look-ups, no table beyond four.
        lookups.Run(draw.numbers[0], draw.numbers, exact);
        tables.Run(draw.numbers[0], draw.numbers, exact);
        std::uniform_int_distribution<int32_t> wide(-32768, 32767);
        std::uniform_int_distribution<int32_t> near(-1500, 1500);
        for (int i = 0; i < 450; ++i) {
            const int32_t v = i < 400 ? i - 200 : wide(rng);
            for (int k = 5; k <= static_cast<int>(draw.numbers.size()); ++k) {
                ASSERT_EQ(SearchProbe::FewestParentheses(lookups, k, v),
                          SearchProbe::FewestParentheses(tables, k, v))
                    << "value " << v << " with " << k << " numbers";
            }
        }
    }
}

}  // namespace
