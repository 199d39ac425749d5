// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The services the game takes from its toolkit, and nothing more: the
// controls' text, caption, enabled state and focus; the one timer; a modal
// message box and a modal text prompt; random values; the time of day.
// Form1 and all game logic reach the toolkit only through this interface.

#include <cstdint>
#include <string>

enum class Control : uint8_t { Text1, Text2, Text3, Command1, Command2, Label1 };

struct TimeOfDay {
    int Hour = 0;    // 0..23
    int Minute = 0;  // 0..59
    int Second = 0;  // 0..59
};

class FormsRuntime {
public:
    virtual ~FormsRuntime() = default;

    virtual std::u16string Text(Control textBox) const = 0;
    virtual void SetText(Control textBox, const std::u16string& text) = 0;
    virtual void SetCaption(Control label, const std::u16string& caption) = 0;
    virtual void SetEnabled(Control button, bool enabled) = 0;
    virtual void SetFocus(Control control) = 0;
    virtual void SetTimerEnabled(bool enabled) = 0;  // Timer1

    // Modal: only an OK button, no icon, titled with the application title.
    // Timer ticks go on being delivered while it is open.
    virtual void MsgBox(const std::u16string& text) = 0;
    // Modal: the typed text when confirmed, an empty text when cancelled.
    virtual std::u16string InputBox(const std::u16string& prompt, const std::u16string& title,
                                    const std::u16string& defaultText) = 0;

    virtual float Rnd() = 0;  // uniform, 0 <= r < 1
    virtual void Randomize(int32_t seed) = 0;
    virtual TimeOfDay Now() const = 0;
};
