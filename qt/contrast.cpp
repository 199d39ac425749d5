// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/contrast.h"

#include <algorithm>
#include <cmath>

namespace {

// Linear light of an 8-bit sRGB value.
double LinearLight(int value) {
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(QRgb rgb) {
    return 0.2126 * LinearLight(qRed(rgb)) + 0.7152 * LinearLight(qGreen(rgb)) +
           0.0722 * LinearLight(qBlue(rgb));
}

double Ratio(double a, double b) {
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    return Ratio(Luminance(a.rgb()), Luminance(b.rgb()));
}

QColor LegibleTextColour(const QColor& text, const QColor& background, double minimum) {
    const double textLuminance = Luminance(text.rgb());
    const double backgroundLuminance = Luminance(background.rgb());
    if (Ratio(textLuminance, backgroundLuminance) >= minimum) {
        return text;
    }

    // Away from the background: darker when the text is already darker, or
    // as dark, on a background light enough for black to do better than white.
    constexpr double Crossover = 0.1791287847;  // sqrt(1.05 * 0.05) - 0.05
    const bool darker = textLuminance < backgroundLuminance ||
                        (textLuminance == backgroundLuminance && backgroundLuminance >= Crossover);

    // Lightness only ever moves the luminance one way, so the first step
    // that reaches the minimum is the nearest. Each step is one the screen
    // can show: 8 bits of lightness, and the colour as 8-bit sRGB.
    for (const int step : {darker ? -1 : 1, darker ? 1 : -1}) {
        for (int lightness = text.lightness() + step; lightness >= 0 && lightness <= 255;
             lightness += step) {
            const QRgb candidate = QColor::fromHslF(text.hslHueF(), text.hslSaturationF(),
                                                    static_cast<float>(lightness) / 255.0f)
                                       .rgb();
            if (Ratio(Luminance(candidate), backgroundLuminance) >= minimum) {
                return QColor(candidate);
            }
        }
    }
    // Every lightness of a hue runs from black to white.
    return ContrastRatio(Qt::black, background) >= ContrastRatio(Qt::white, background)
               ? QColor(Qt::black)
               : QColor(Qt::white);
}
