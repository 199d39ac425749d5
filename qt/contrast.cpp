// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/contrast.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// x^(1/5) for 0 < x <= 1, by Newton's method from above.
constexpr double FifthRoot(double x) {
    double root = 1.0;
    for (int i = 0; i < 60; ++i) {
        root = (4.0 * root + x / (root * root * root * root)) / 5.0;
    }
    return root;
}

// Linear light of each 8-bit sRGB value. Worked out by the compiler: calling
// the maths library at start-up would page in code the window never uses.
constexpr std::array<double, 256> LinearLight = [] {
    std::array<double, 256> table{};
    for (std::size_t v = 0; v < table.size(); ++v) {
        const double c = static_cast<double>(v) / 255.0;
        const double x = (c + 0.055) / 1.055;
        table[v] = c <= 0.04045 ? c / 12.92 : x * x * FifthRoot(x * x);  // x^2.4
    }
    return table;
}();

double Luminance(QRgb rgb) {
    return 0.2126 * LinearLight[static_cast<std::size_t>(qRed(rgb))] +
           0.7152 * LinearLight[static_cast<std::size_t>(qGreen(rgb))] +
           0.0722 * LinearLight[static_cast<std::size_t>(qBlue(rgb))];
}

double Ratio(double a, double b) {
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// A colour's hue (0 to 6, in sixths of the circle) and saturation, HSL's.
struct HueAndSaturation {
    double hue = 0.0;
    double saturation = 0.0;
};

HueAndSaturation HueAndSaturationOf(QRgb rgb) {
    const double r = qRed(rgb) / 255.0;
    const double g = qGreen(rgb) / 255.0;
    const double b = qBlue(rgb) / 255.0;
    const double max = std::max({r, g, b});
    const double min = std::min({r, g, b});
    const double chroma = max - min;
    if (chroma == 0.0) {
        return {};  // a grey
    }
    const double lightness = (max + min) / 2.0;
    HueAndSaturation hs;
    hs.saturation = chroma / (1.0 - std::abs(2.0 * lightness - 1.0));
    if (max == r) {
        hs.hue = (g - b) / chroma + (g < b ? 6.0 : 0.0);
    } else if (max == g) {
        hs.hue = (b - r) / chroma + 2.0;
    } else {
        hs.hue = (r - g) / chroma + 4.0;
    }
    return hs;
}

// The colour of this hue and saturation at an 8-bit lightness, as the
// screen gets it.
QRgb AtLightness(const HueAndSaturation& hs, int lightness) {
    const double l = lightness / 255.0;
    const double chroma = (1.0 - std::abs(2.0 * l - 1.0)) * hs.saturation;
    const double sextant = hs.hue - 2.0 * static_cast<int>(hs.hue / 2.0);  // hue mod 2
    const double x = chroma * (1.0 - std::abs(sextant - 1.0));
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
    switch (static_cast<int>(hs.hue) % 6) {
        case 0:
            r = chroma, g = x;
            break;
        case 1:
            r = x, g = chroma;
            break;
        case 2:
            g = chroma, b = x;
            break;
        case 3:
            g = x, b = chroma;
            break;
        case 4:
            r = x, b = chroma;
            break;
        default:
            r = chroma, b = x;
            break;
    }
    const double m = l - chroma / 2.0;
    const auto channel = [m](double c) { return static_cast<int>((c + m) * 255.0 + 0.5); };
    return qRgb(channel(r), channel(g), channel(b));
}

int LightnessOf(QRgb rgb) {
    const int max = std::max({qRed(rgb), qGreen(rgb), qBlue(rgb)});
    const int min = std::min({qRed(rgb), qGreen(rgb), qBlue(rgb)});
    return (max + min + 1) / 2;
}

}  // namespace

double RelativeLuminance(const QColor& colour) {
    return Luminance(colour.rgb());
}

double ContrastRatio(const QColor& a, const QColor& b) {
    return Ratio(Luminance(a.rgb()), Luminance(b.rgb()));
}

QColor LegibleTextColour(const QColor& text, const QColor& background, double minimum) {
    const double textLuminance = Luminance(text.rgb());
    const double backgroundLuminance = Luminance(background.rgb());
    if (Ratio(textLuminance, backgroundLuminance) >= minimum) {
        return text;
    }
    const HueAndSaturation hs = HueAndSaturationOf(text.rgb());
    const int start = LightnessOf(text.rgb());

    // Away from the background: darker when the text is already darker, or
    // as dark, on a background light enough for black to do better than white.
    constexpr double Crossover = 0.1791287847;  // sqrt(1.05 * 0.05) - 0.05
    const bool darker = textLuminance < backgroundLuminance ||
                        (textLuminance == backgroundLuminance && backgroundLuminance >= Crossover);

    // Lightness only ever moves the luminance one way, so the first step
    // that reaches the minimum is the nearest.
    for (const int step : {darker ? -1 : 1, darker ? 1 : -1}) {
        for (int lightness = start + step; lightness >= 0 && lightness <= 255; lightness += step) {
            const QRgb candidate = AtLightness(hs, lightness);
            if (Ratio(Luminance(candidate), backgroundLuminance) >= minimum) {
                return QColor(candidate);
            }
        }
    }
    const QRgb black = AtLightness(hs, 0);
    const QRgb white = AtLightness(hs, 255);
    return QColor(Ratio(Luminance(black), backgroundLuminance) >=
                          Ratio(Luminance(white), backgroundLuminance)
                      ? black
                      : white);
}
