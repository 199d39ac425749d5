// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Words every toolkit shows or speaks alike: what the message box shows and
// copies (the title of a box that names none, the text with each CRLF as one
// line break, and the dashed text that Ctrl+C puts on the clipboard), and the
// clock's spoken name, and the puzzle in words.

#include <string>
#include <string_view>

#include "runtime/window_layout.h"

inline constexpr std::u16string_view ApplicationTitle = u"Quorel";

// The game writes CRLF; a toolkit's label would draw the CR as a glyph.
inline std::u16string ShownBoxText(std::u16string_view text) {
    std::u16string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' || i + 1 == text.size() || text[i + 1] != u'\n') {
            shown += text[i];
        }
    }
    return shown;
}

inline std::u16string CopiedBoxText(std::u16string_view title, std::u16string_view shown) {
    const std::u16string rule = u"---------------------------\n";
    return rule + std::u16string(title) + u"\n" + rule + std::u16string(shown) + u"\n" + rule +
           std::u16string(OkCaption) + u"\n" + rule;
}

// A screen reader reads a named label's name, not its text: "Tiempo 0:5".
inline std::u16string SpokenClock(std::u16string_view shown) {
    const std::u16string name(LayoutOf(Control::Label1).Name);
    return shown.empty() ? name : name + u" " + std::u16string(shown);
}

// The puzzle as a screen reader tells it, from what the target and numbers
// boxes show: "Llegue a 250 con 2 3 5 7 10 100."
inline std::u16string SpokenPuzzle(std::u16string_view target, std::u16string_view numbers) {
    while (!numbers.empty() && numbers.back() == u' ') {
        numbers.remove_suffix(1);
    }
    return u"Llegue a " + std::u16string(target) + u" con " + std::u16string(numbers) + u".";
}
