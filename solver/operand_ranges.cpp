// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/operand_ranges.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Results stay well inside 32 bits: a value beyond the game's range is as
// good as any other there.
constexpr int64_t Clamp = 65536;

Range Make(int64_t lo, int64_t hi) {
    return {static_cast<int32_t>(std::clamp(lo, -Clamp, Clamp)),
            static_cast<int32_t>(std::clamp(hi, -Clamp, Clamp))};
}

int64_t FloorDiv(int64_t a, int64_t b) {
    int64_t q = a / b;
    if (a % b != 0 && ((a < 0) != (b < 0))) {
        --q;
    }
    return q;
}

int64_t CeilDiv(int64_t a, int64_t b) {
    int64_t q = a / b;
    if (a % b != 0 && ((a < 0) == (b < 0))) {
        ++q;
    }
    return q;
}

// The target as positive quotients, and the sign the unknown operand needs
// for it: a quotient is positive when both operands have the same sign.
struct Quotients {
    int64_t lo;
    int64_t hi;
    int sign;  // of the unknown operand
};

Quotients Positive(int32_t x, Range target) {
    const int xSign = x > 0 ? 1 : -1;
    if (target.Lo >= 1) {
        return {target.Lo, target.Hi, xSign};
    }
    return {-int64_t{target.Hi}, -int64_t{target.Lo}, -xSign};
}

Range Signed(int64_t lo, int64_t hi, int sign) {
    if (lo > hi) {
        return {};
    }
    return sign > 0 ? Make(lo, hi) : Make(-hi, -lo);
}

}  // namespace

Range MultiplierRange(int32_t x, Range target) {
    if (x > 0) {
        return Make(CeilDiv(target.Lo, x), FloorDiv(target.Hi, x));
    }
    return Make(CeilDiv(target.Hi, x), FloorDiv(target.Lo, x));
}

// a / b rounds to at least q (q >= 1) while 2a > (2q-1)b, and at the half
// exactly when q is the even neighbour; to at most q while 2a < (2q+1)b, or
// at the half when q is even.
Range DivisorRange(int32_t x, Range target, bool exact) {
    const Quotients q = Positive(x, target);
    const int64_t a = std::abs(int64_t{x});
    if (exact) {
        if (a % q.lo != 0) {
            return {};
        }
        return Signed(a / q.lo, a / q.lo, q.sign);
    }
    const int64_t below = 2 * q.lo - 1;
    const int64_t most =
        (2 * a) % below == 0 && q.lo % 2 == 0 ? 2 * a / below : (2 * a - 1) / below;
    const int64_t above = 2 * q.hi + 1;
    const int64_t least = (2 * a) % above == 0 && q.hi % 2 == 0 ? 2 * a / above : 2 * a / above + 1;
    return Signed(std::max<int64_t>(least, 1), most, q.sign);
}

// y / d rounds to at least q while 2y > (2q-1)d, or at the half when q is
// even; to at most q while 2y < (2q+1)d, or at the half when q is even.
Range DividendRange(int32_t x, Range target, bool exact) {
    const Quotients q = Positive(x, target);
    const int64_t d = std::abs(int64_t{x});
    if (exact) {
        return Signed(q.lo * d, q.lo * d, q.sign);
    }
    const int64_t low = (2 * q.lo - 1) * d;
    const int64_t least = low % 2 == 0 && q.lo % 2 == 0 ? low / 2 : low / 2 + 1;
    const int64_t high = (2 * q.hi + 1) * d;
    const int64_t most = high % 2 == 0 && q.hi % 2 == 0 ? high / 2 : (high - 1) / 2;
    return Signed(least, most, q.sign);
}
