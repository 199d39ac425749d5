// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The target box's legibility rule, the same on every toolkit, on plain
// 8-bit sRGB colours, the colours the screen shows.

#include <cstdint>

struct Rgb {
    int Red = 0;  // 0..255 each
    int Green = 0;
    int Blue = 0;

    static Rgb FromPacked(uint32_t rgb);  // 0xRRGGBB
    uint32_t Packed() const;
};

// WCAG 2 level AA for text.
inline constexpr double MinimumTargetContrast = 4.5;

// (lighter + 0.05) / (darker + 0.05) of the two luminances (WCAG 2): 1 for
// equal colours up to 21 for black on white, whatever the order of the two.
double ContrastRatio(const Rgb& a, const Rgb& b);

// text itself where it already reaches minimum against background.
// Otherwise the same hue and saturation at the nearest lightness that does,
// moving away from the background; past it, on the other side, only where
// that side has no such lightness. Where neither side has one (minimum above
// what black or white can give), the extreme with the higher contrast.
Rgb LegibleTextColour(const Rgb& text, const Rgb& background, double minimum);

// The desktop's colours 14 and 15, which the target box is drawn in.
enum class SystemColour : uint8_t { HighlightText, ButtonFace };

struct TargetColours {
    Rgb Background;
    Rgb Text;
};

// The target box's colours in a scheme, given as what scheme(SystemColour)
// returns: colour 14 behind, 15 for the text, as the window has always drawn
// them, the text made legible where a scheme puts the two too close.
template <class Scheme>
TargetColours TargetColoursIn(Scheme scheme) {
    const Rgb background = scheme(SystemColour::HighlightText);
    return {background,
            LegibleTextColour(scheme(SystemColour::ButtonFace), background, MinimumTargetContrast)};
}
