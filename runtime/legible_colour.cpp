// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/legible_colour.h"

#include <algorithm>
#include <cmath>

namespace {

// Linear light of an 8-bit sRGB value.
double LinearLight(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(const Rgb& c) {
    return 0.2126 * LinearLight(c.Red) + 0.7152 * LinearLight(c.Green) +
           0.0722 * LinearLight(c.Blue);
}

double Ratio(double a, double b) {
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// HSL's hue (0 to 6, in sixths of the circle) and saturation.
struct HueAndSaturation {
    double Hue = 0.0;
    double Saturation = 0.0;
};

HueAndSaturation HueAndSaturationOf(const Rgb& c) {
    const double r = c.Red / 255.0;
    const double g = c.Green / 255.0;
    const double b = c.Blue / 255.0;
    const double max = std::max({r, g, b});
    const double min = std::min({r, g, b});
    const double chroma = max - min;
    if (chroma == 0.0) {
        return {};  // a grey
    }
    const double lightness = (max + min) / 2.0;
    HueAndSaturation hs;
    hs.Saturation = chroma / (1.0 - std::abs(2.0 * lightness - 1.0));
    if (max == r) {
        hs.Hue = (g - b) / chroma + (g < b ? 6.0 : 0.0);
    } else if (max == g) {
        hs.Hue = (b - r) / chroma + 2.0;
    } else {
        hs.Hue = (r - g) / chroma + 4.0;
    }
    return hs;
}

Rgb AtLightness(const HueAndSaturation& hs, int lightness) {
    const double l = lightness / 255.0;
    const double chroma = (1.0 - std::abs(2.0 * l - 1.0)) * hs.Saturation;
    const double x = chroma * (1.0 - std::abs(std::fmod(hs.Hue, 2.0) - 1.0));
    // Each sixth of the circle puts the chroma on one channel and x on another.
    constexpr int Chroma[6] = {0, 1, 1, 2, 2, 0};
    constexpr int X[6] = {1, 0, 2, 1, 0, 2};
    const int sixth = static_cast<int>(hs.Hue) % 6;
    double rgb[3] = {0.0, 0.0, 0.0};
    rgb[Chroma[sixth]] = chroma;
    rgb[X[sixth]] = x;
    const double m = l - chroma / 2.0;
    const auto channel = [m](double c) { return static_cast<int>((c + m) * 255.0 + 0.5); };
    return {channel(rgb[0]), channel(rgb[1]), channel(rgb[2])};
}

}  // namespace

Rgb Rgb::FromPacked(uint32_t rgb) {
    return {static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
            static_cast<int>(rgb & 0xFF)};
}

uint32_t Rgb::Packed() const {
    return static_cast<uint32_t>(Red << 16 | Green << 8 | Blue);
}

double ContrastRatio(const Rgb& a, const Rgb& b) {
    return Ratio(Luminance(a), Luminance(b));
}

Rgb LegibleTextColour(const Rgb& text, const Rgb& background, double minimum) {
    const double textLuminance = Luminance(text);
    const double backgroundLuminance = Luminance(background);
    if (Ratio(textLuminance, backgroundLuminance) >= minimum) {
        return text;
    }
    const HueAndSaturation hs = HueAndSaturationOf(text);
    const auto [least, most] = std::minmax({text.Red, text.Green, text.Blue});
    const int start = (least + most + 1) / 2;  // the text's lightness

    // Away from the background: darker when the text is already darker, or
    // as dark, on a background light enough for black to do better than white.
    constexpr double Crossover = 0.1791287847;  // sqrt(1.05 * 0.05) - 0.05
    const bool darker = textLuminance < backgroundLuminance ||
                        (textLuminance == backgroundLuminance && backgroundLuminance >= Crossover);

    // Lightness moves the luminance one way only, so the first step that
    // reaches the minimum is the nearest. Each step is one the screen can
    // show: 8 bits of lightness, and the colour as 8-bit sRGB.
    for (const int step : {darker ? -1 : 1, darker ? 1 : -1}) {
        for (int lightness = start + step; lightness >= 0 && lightness <= 255; lightness += step) {
            const Rgb candidate = AtLightness(hs, lightness);
            if (Ratio(Luminance(candidate), backgroundLuminance) >= minimum) {
                return candidate;
            }
        }
    }
    // Every lightness of a hue runs from black to white.
    const Rgb black = AtLightness(hs, 0);
    const Rgb white = AtLightness(hs, 255);
    return ContrastRatio(black, background) >= ContrastRatio(white, background) ? black : white;
}
