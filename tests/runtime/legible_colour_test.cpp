// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The target box's legibility rule: WCAG 2 contrast arithmetic, and the
// nearest legible shade of the text colour.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "runtime/legible_colour.h"

namespace {

constexpr Rgb White{255, 255, 255};
constexpr Rgb Black{0, 0, 0};

Rgb Hex(uint32_t rgb) {
    return Rgb::FromPacked(rgb);
}

// HSL's hue as a fraction of the circle, and its saturation.
std::pair<double, double> HueAndSaturation(const Rgb& c) {
    const double r = c.Red / 255.0, g = c.Green / 255.0, b = c.Blue / 255.0;
    const double max = std::max({r, g, b}), min = std::min({r, g, b});
    if (max == min) {
        return {0.0, 0.0};
    }
    const double chroma = max - min;
    const double sixths = max == r   ? std::fmod((g - b) / chroma + 6.0, 6.0)
                          : max == g ? (b - r) / chroma + 2.0
                                     : (r - g) / chroma + 4.0;
    return {sixths / 6.0, chroma / (1.0 - std::abs(max + min - 1.0))};
}

int Lightness(const Rgb& c) {
    return (std::max({c.Red, c.Green, c.Blue}) + std::min({c.Red, c.Green, c.Blue})) / 2;
}

bool SameHueAndSaturation(const Rgb& a, const Rgb& b) {
    const auto [hueA, saturationA] = HueAndSaturation(a);
    const auto [hueB, saturationB] = HueAndSaturation(b);
    return std::abs(hueA - hueB) < 0.01 && std::abs(saturationA - saturationB) < 0.02;
}

TEST(LegibleColour, ContrastRatios) {
    EXPECT_EQ(ContrastRatio(Black, White), 21.0);
    EXPECT_EQ(ContrastRatio(White, Black), 21.0);
    EXPECT_EQ(ContrastRatio(Hex(0x3c7dd0), Hex(0x3c7dd0)), 1.0);
    EXPECT_NEAR(ContrastRatio(Hex(0xefefef), White), 1.1499, 1e-3);
    EXPECT_NEAR(ContrastRatio(Hex(0x767676), White), 4.5415, 1e-3);
}

struct Case {
    const char* name;
    uint32_t text;
    uint32_t background;
    int64_t expected;  // -1: any shade that keeps hue and saturation
};

// Greys, then each sixth of the colour circle, light on white and
// darkened (to a quarter) on black.
constexpr Case Cases[] = {
    {"grey on white: a darker grey", 0xefefef, 0xffffff, 0x767676},
    {"already legible: unchanged", 0x353535, 0xffffff, 0x353535},
    {"on near black: lighter", 0x353535, 0x1b1b1b, 0x838383},
    {"no lighter grey is enough: past, to the dark side", 0x808080, 0x777777, 0x060606},
    {"#f0a0a0 on white", 0xf0a0a0, 0xffffff, -1},
    {"#f0a0a0 darkened, on black", 0x3c2828, 0x000000, -1},
    {"#f0d8a0 on white", 0xf0d8a0, 0xffffff, -1},
    {"#f0d8a0 darkened, on black", 0x3c3628, 0x000000, -1},
    {"#c8f0a0 on white", 0xc8f0a0, 0xffffff, -1},
    {"#c8f0a0 darkened, on black", 0x323c28, 0x000000, -1},
    {"#a0f0c8 on white", 0xa0f0c8, 0xffffff, -1},
    {"#a0f0c8 darkened, on black", 0x283c32, 0x000000, -1},
    {"#a0d8f0 on white", 0xa0d8f0, 0xffffff, -1},
    {"#a0d8f0 darkened, on black", 0x28363c, 0x000000, -1},
    {"#b8a0f0 on white", 0xb8a0f0, 0xffffff, -1},
    {"#b8a0f0 darkened, on black", 0x2e283c, 0x000000, -1},
    {"#f0a0d8 on white", 0xf0a0d8, 0xffffff, -1},
    {"#f0a0d8 darkened, on black", 0x3c2836, 0x000000, -1},
};

TEST(LegibleColour, NearestLegibleShade) {
    for (const Case& c : Cases) {
        SCOPED_TRACE(c.name);
        const Rgb text = Hex(c.text);
        const Rgb background = Hex(c.background);
        const Rgb legible = LegibleTextColour(text, background, 4.5);
        if (c.expected >= 0) {
            EXPECT_EQ(legible.Packed(), static_cast<uint32_t>(c.expected));
        }
        EXPECT_GE(ContrastRatio(legible, background), 4.5);
        EXPECT_TRUE(legible.Packed() == text.Packed() || SameHueAndSaturation(legible, text))
            << std::hex << legible.Packed();
        const bool grey = legible.Red == legible.Green && legible.Green == legible.Blue;
        if (legible.Packed() != text.Packed() && grey) {
            // The nearest grey: one lightness step back falls short.
            const int back = Lightness(legible) < Lightness(text) ? 1 : -1;
            const int g = legible.Red + back;
            EXPECT_LT(ContrastRatio({g, g, g}, background), 4.5);
        }
    }
}

}  // namespace
