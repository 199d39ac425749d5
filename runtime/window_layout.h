// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The game window, described once for every toolkit, with the words of its
// boxes. The desktop places its widgets from it; the build writes the page's
// markup and style sheet from it.

#include <array>
#include <cstdint>
#include <string_view>

#include "runtime/forms_runtime.h"

enum class ControlKind : uint8_t { ReadOnlyBox, TextBox, Button, Label };
enum class Font : uint8_t { Sans, SansBold, Serif };

struct ControlLayout {
    const char* Id;  // the control's name, and its element's id on the page
    ControlKind Kind;
    std::u16string_view Name;      // what a screen reader calls it
    std::u16string_view Caption;   // a button's, "&" before its access key
    int Left, Top, Width, Height;  // twips
    Font Face;
    bool Centred;  // its text; else left-aligned
};

// 1440 twips an inch, 96 pixels an inch: 15 twips a pixel, rounded.
constexpr int Pixels(int twips) {
    return (twips + 7) / 15;
}

inline constexpr std::u16string_view WindowTitle = u"QUOREL";
inline constexpr int WindowWidth = 5880, WindowHeight = 4590;  // the client area, in twips
inline constexpr int FontPoints = 18;                          // every control's

// In Control's order, which is also the tab order; the clock takes no focus.
// The text boxes run past the window's right edge, which clips them.
inline constexpr std::array<ControlLayout, 6> WindowControls{{
    {"Text1", ControlKind::ReadOnlyBox, u"Objetivo", u"", 0, 0, 6000, 600, Font::SansBold, true},
    {"Text2", ControlKind::ReadOnlyBox, u"Números", u"", 0, 1000, 6000, 600, Font::Sans, false},
    {"Text3", ControlKind::TextBox, u"Respuesta", u"", 0, 2000, 6000, 600, Font::Serif, false},
    {"Command1", ControlKind::Button, u"Hecho", u"&Hecho", 500, 3000, 2000, 600, Font::Sans, true},
    {"Command2", ControlKind::Button, u"Nuevo", u"&Nuevo", 3500, 3000, 2000, 600, Font::Sans, true},
    {"Label1", ControlKind::Label, u"Tiempo", u"", 2000, 4000, 2000, 600, Font::Sans, false},
}};

constexpr const ControlLayout& LayoutOf(Control control) {
    return WindowControls[static_cast<std::size_t>(control)];
}

inline constexpr std::u16string_view OkCaption = u"Aceptar", CancelCaption = u"Cancelar";
// Wide characters of a name that the prompt's field shows without scrolling.
inline constexpr int NameFieldCharacters = 25;
