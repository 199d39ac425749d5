#include "game/qt/contrast.h"

#include <algorithm>
#include <cmath>

namespace {

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// The colour at this HSL lightness (0-255), as the screen would get it.
QColor AtLightness(float hue, float saturation, int lightness) {
    return QColor(QColor::fromHslF(hue, saturation, static_cast<float>(lightness) / 255.0f).rgb());
}

}  // namespace

double RelativeLuminance(const QColor& colour) {
    const QRgb rgb = colour.rgb();
    return 0.2126 * Linear(qRed(rgb)) + 0.7152 * Linear(qGreen(rgb)) + 0.0722 * Linear(qBlue(rgb));
}

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor LegibleTextColour(const QColor& text, const QColor& background, double minimum) {
    if (ContrastRatio(text, background) >= minimum) {
        return text;
    }
    const QColor hsl = text.toHsl();
    const float hue = hsl.hslHueF();  // -1 for a grey, which stays grey
    const float saturation = hsl.hslSaturationF();
    const int start = hsl.lightness();

    // Away from the background: darker when the text is already darker, or
    // as dark, on a background light enough for black to do better than white.
    const double textLuminance = RelativeLuminance(text);
    const double backgroundLuminance = RelativeLuminance(background);
    const double crossover = std::sqrt(1.05 * 0.05) - 0.05;  // black and white contrast alike
    const bool darker = textLuminance < backgroundLuminance ||
                        (textLuminance == backgroundLuminance && backgroundLuminance >= crossover);

    // Lightness only ever moves the luminance one way, so the first step
    // that reaches the minimum is the nearest.
    for (const int step : {darker ? -1 : 1, darker ? 1 : -1}) {
        for (int lightness = start + step; lightness >= 0 && lightness <= 255; lightness += step) {
            const QColor candidate = AtLightness(hue, saturation, lightness);
            if (ContrastRatio(candidate, background) >= minimum) {
                return candidate;
            }
        }
    }
    const QColor black = AtLightness(hue, saturation, 0);
    const QColor white = AtLightness(hue, saturation, 255);
    return ContrastRatio(black, background) >= ContrastRatio(white, background) ? black : white;
}
