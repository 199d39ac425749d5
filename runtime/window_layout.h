// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The game window, described once for every toolkit: its title and size,
// and each control's kind, spoken name, caption and access key, place and
// size in twips, face and alignment, in tab order; the words of the boxes'
// buttons and the width of the name prompt's field. The desktop places its
// widgets from it; the page's markup and style sheet are written from it
// when the site is built.

#include <array>
#include <cstdint>
#include <string_view>

#include "runtime/forms_runtime.h"

enum class ControlKind : uint8_t { ReadOnlyBox, TextBox, Button, Label };
enum class Typeface : uint8_t { Sans, Serif };

struct ControlLayout {
    Control Id;
    ControlKind Kind;
    std::u16string_view Name;      // what a screen reader calls it
    std::u16string_view Caption;   // a button's, with "&" before its access key
    int Left, Top, Width, Height;  // twips
    Typeface Face;
    int Points;
    bool Bold;
    bool Centred;  // else left-aligned
};

// 1440 twips an inch, 96 pixels an inch: 15 twips a pixel, rounded.
constexpr int Pixels(int twips) {
    return (twips + 7) / 15;
}

inline constexpr std::u16string_view WindowTitle = u"QUOREL";
inline constexpr int WindowWidth = 5880;  // the client area, in twips
inline constexpr int WindowHeight = 4590;

// The text boxes run past the window's right edge, which clips them.
// The clock, last, takes no focus.
inline constexpr std::array<ControlLayout, 6> WindowControls{{
    {Control::Text1, ControlKind::ReadOnlyBox, u"Objetivo", u"", 0, 0, 6000, 600, Typeface::Sans,
     18, true, true},
    {Control::Text2, ControlKind::ReadOnlyBox, u"Números", u"", 0, 1000, 6000, 600, Typeface::Sans,
     18, false, false},
    {Control::Text3, ControlKind::TextBox, u"Respuesta", u"", 0, 2000, 6000, 600, Typeface::Serif,
     18, false, false},
    {Control::Command1, ControlKind::Button, u"Hecho", u"&Hecho", 500, 3000, 2000, 600,
     Typeface::Sans, 18, false, false},
    {Control::Command2, ControlKind::Button, u"Nuevo", u"&Nuevo", 3500, 3000, 2000, 600,
     Typeface::Sans, 18, false, false},
    {Control::Label1, ControlKind::Label, u"Tiempo", u"", 2000, 4000, 2000, 600, Typeface::Sans, 18,
     false, false},
}};

constexpr const ControlLayout& LayoutOf(Control control) {
    for (const ControlLayout& layout : WindowControls) {
        if (layout.Id == control) {
            return layout;
        }
    }
    return WindowControls.front();  // every control has its line above
}

inline constexpr std::u16string_view OkCaption = u"Aceptar";
inline constexpr std::u16string_view CancelCaption = u"Cancelar";
// Wide characters of a name that the prompt's field shows without scrolling.
inline constexpr int NameFieldCharacters = 25;
