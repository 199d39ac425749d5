// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The target box's legibility rule on plain 8-bit sRGB colours: keep the
// text colour's hue and saturation, and move its lightness away from the
// background until the two reach a minimum contrast ratio (WCAG's).

#include <cstdint>

struct Rgb {
    int Red = 0;  // 0..255 each
    int Green = 0;
    int Blue = 0;

    static Rgb FromPacked(uint32_t rgb);  // 0xRRGGBB
    uint32_t Packed() const;
    bool operator==(const Rgb&) const = default;
};

inline constexpr double MinimumTargetContrast = 4.5;

double ContrastRatio(const Rgb& a, const Rgb& b);

// text itself when it already reaches minimum on background; else the
// nearest lightness that does, or the better of black and white.
Rgb LegibleTextColour(const Rgb& text, const Rgb& background, double minimum);
