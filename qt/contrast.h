// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Contrast between two colours as WCAG 2 measures it, and the nearest text
// colour that reaches a given contrast. Plain colour arithmetic on 8-bit
// sRGB, the colours the screen shows; no widgets, no palette.

#include <QColor>

// (lighter + 0.05) / (darker + 0.05) of the two luminances: 1 for equal
// colours up to 21 for black on white, whatever the order of the two.
double ContrastRatio(const QColor& a, const QColor& b);

// text itself where it already reaches minimum against background.
// Otherwise the same hue and saturation at the nearest lightness that does,
// moving away from the background; past it, on the other side, only where
// that side has no such lightness. Where neither side has one (minimum above
// what black or white can give), the extreme with the higher contrast.
QColor LegibleTextColour(const QColor& text, const QColor& background, double minimum);
