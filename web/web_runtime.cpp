// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/web_runtime.h"

#include <emscripten/emscripten.h>

#include <cstdlib>

#include "game/box_texts.h"
#include "game/form1.h"
#include "game/legible_colour.h"

// The page's side: each call writes or reads the page through the QuorelPage
// object of page.js. Texts cross as UTF-16 code units with their length, so
// that a NUL inside a text survives.

// clang-format off
EM_JS(void, JsSetText, (int control, const char16_t* text, int length), {
    QuorelPage.setText(control, QuorelPage.decode(HEAPU16, text, length));
});
EM_JS(char16_t*, JsText, (int control, int* length), {
    return QuorelPage.encode(QuorelPage.text(control), HEAPU16, HEAP32, _malloc, length);
});
EM_JS(char16_t*, JsPromptText, (int* length), {
    return QuorelPage.encode(QuorelPage.promptText(), HEAPU16, HEAP32, _malloc, length);
});
EM_JS(void, JsSetCaption, (int control, const char16_t* text, int length,
                           const char16_t* spoken, int spokenLength), {
    QuorelPage.setCaption(control, QuorelPage.decode(HEAPU16, text, length),
                          QuorelPage.decode(HEAPU16, spoken, spokenLength));
});
EM_JS(void, JsSetEnabled, (int control, bool enabled), {
    QuorelPage.setEnabled(control, enabled);
});
EM_JS(bool, JsHasFocus, (int control), {
    return QuorelPage.hasFocus(control);
});
EM_JS(void, JsFocus, (int control), {
    QuorelPage.focus(control);
});
EM_JS(void, JsShowWindow, (), {
    QuorelPage.showWindow();
});
EM_JS(void, JsOpenMessage, (const char16_t* title, int titleLength, const char16_t* text,
                            int textLength, const char16_t* copied, int copiedLength), {
    QuorelPage.openMessage(QuorelPage.decode(HEAPU16, title, titleLength),
                           QuorelPage.decode(HEAPU16, text, textLength),
                           QuorelPage.decode(HEAPU16, copied, copiedLength));
});
EM_JS(void, JsOpenPrompt, (const char16_t* title, int titleLength, const char16_t* prompt,
                           int promptLength, const char16_t* text, int textLength), {
    QuorelPage.openPrompt(QuorelPage.decode(HEAPU16, title, titleLength),
                          QuorelPage.decode(HEAPU16, prompt, promptLength),
                          QuorelPage.decode(HEAPU16, text, textLength));
});
EM_JS(void, JsCloseBox, (), {
    QuorelPage.closeBox();
});
EM_JS(uint32_t, JsSystemColour, (int index), {
    return QuorelPage.systemColour(index);
});
EM_JS(void, JsSetTargetColours, (uint32_t background, uint32_t text), {
    QuorelPage.setTargetColours(background, text);
});
EM_JS(double, JsWallClock, (), {
    return Date.now();
});
EM_JS(int, JsLocalSecondOfDay, (), {
    const now = new Date();
    return now.getHours() * 3600 + now.getMinutes() * 60 + now.getSeconds();
});
EM_JS(uint32_t, JsRandom32, (), {
    return crypto.getRandomValues(new Uint32Array(1))[0];
});
// The module is suspended here until the page queues an event, or until
// timeout milliseconds pass (a negative timeout waits for an event only).
EM_ASYNC_JS(int, JsNextEvent, (double timeout), {
    return await QuorelPage.nextEvent(timeout);
});
// clang-format on

namespace {

const std::u16string Title(ApplicationTitle);

int Index(Control control) {
    return static_cast<int>(control);
}

int Length(const std::u16string& text) {
    return static_cast<int>(text.size());
}

std::u16string Adopt(char16_t* text, int length) {
    std::u16string adopted(text, static_cast<std::size_t>(length));
    std::free(text);
    return adopted;
}

}  // namespace

WebRuntime::WebRuntime(uint64_t entropy) : SeededRuntime(entropy) {}

uint64_t WebRuntime::Entropy() {
    return uint64_t{JsRandom32()} << 32 | JsRandom32();
}

void WebRuntime::Run(Form1& form) {
    form_ = &form;
    ApplyTargetColours();
    SetTimerEnabled(true);  // from the window's creation
    form.FormLoad();        // before the window is first shown
    JsShowWindow();
    for (;;) {
        switch (NextEvent()) {
            case Event::Command1Click:
                if (command1Enabled_) {
                    form.Command1Click();
                }
                break;
            case Event::Command2Click:
                if (command2Enabled_) {
                    form.Command2Click();
                }
                break;
            default:  // a box's button with no box open
                break;
        }
    }
}

WebRuntime::Event WebRuntime::NextEvent() {
    for (;;) {
        DeliverDueTicks();
        const auto event = static_cast<Event>(JsNextEvent(MillisecondsToNextTick()));
        DeliverDueTicks();  // ticks due before the event come first
        if (event == Event::SchemeChanged) {
            ApplyTargetColours();
        } else if (event != Event::Wake) {
            return event;
        }
    }
}

bool WebRuntime::WaitForBox() {
    // The window behind a modal box takes no clicks; should one have been
    // queued before the box opened, it is dropped, as the desktop drops it.
    for (;;) {
        const Event event = NextEvent();
        if (event == Event::BoxAccepted || event == Event::BoxCancelled) {
            return event == Event::BoxAccepted;
        }
    }
}

void WebRuntime::DeliverDueTicks() {
    const auto now = static_cast<int64_t>(JsWallClock());
    while (clock_.TakeTick(now)) {
        form_->Timer1Tick();
    }
}

double WebRuntime::MillisecondsToNextTick() const {
    return static_cast<double>(clock_.UntilNextTick(static_cast<int64_t>(JsWallClock())));
}

void WebRuntime::ApplyTargetColours() {
    const Rgb background = Rgb::FromPacked(JsSystemColour(14));  // highlight text
    const Rgb text = Rgb::FromPacked(JsSystemColour(15));        // button face
    JsSetTargetColours(background.Packed(),
                       LegibleTextColour(text, background, MinimumTargetContrast).Packed());
}

std::u16string WebRuntime::Text(Control textBox) const {
    int length = 0;
    char16_t* text = JsText(Index(textBox), &length);
    return Adopt(text, length);
}

void WebRuntime::SetText(Control textBox, const std::u16string& text) {
    JsSetText(Index(textBox), text.data(), Length(text));
}

void WebRuntime::SetCaption(Control label, const std::u16string& caption) {
    // The clock is a timer region; a screen reader reads its name.
    const std::u16string spoken = SpokenClock(caption);
    JsSetCaption(Index(label), caption.data(), Length(caption), spoken.data(), Length(spoken));
}

void WebRuntime::SetEnabled(Control button, bool enabled) {
    if (button == Control::Command1) {
        command1Enabled_ = enabled;
    } else if (button == Control::Command2) {
        command2Enabled_ = enabled;
    }
    // A button disabled while it has the focus hands it to "Nuevo", the one
    // thing left to press after a solved puzzle.
    const bool hadFocus = JsHasFocus(Index(button));
    JsSetEnabled(Index(button), enabled);
    if (!enabled && hadFocus && button != Control::Command2) {
        JsFocus(Index(Control::Command2));
    }
}

void WebRuntime::SetFocus(Control control) {
    JsFocus(Index(control));
}

void WebRuntime::SetTimerEnabled(bool enabled) {
    if (enabled) {
        clock_.Start(static_cast<int64_t>(JsWallClock()));
    } else {
        clock_.Stop();
    }
}

void WebRuntime::MsgBox(const std::u16string& text) {
    const std::u16string shown = ShownBoxText(text);
    const std::u16string copied = CopiedBoxText(Title, shown);
    JsOpenMessage(Title.data(), Length(Title), shown.data(), Length(shown), copied.data(),
                  Length(copied));
    WaitForBox();  // Esc and Aceptar alike close it
    JsCloseBox();
}

std::u16string WebRuntime::InputBox(const std::u16string& prompt, const std::u16string& title,
                                    const std::u16string& defaultText) {
    const std::u16string& shownTitle = title.empty() ? Title : title;
    JsOpenPrompt(shownTitle.data(), Length(shownTitle), prompt.data(), Length(prompt),
                 defaultText.data(), Length(defaultText));
    std::u16string typed;
    if (WaitForBox()) {
        int length = 0;
        char16_t* text = JsPromptText(&length);
        typed = Adopt(text, length);
    }
    JsCloseBox();
    return typed;
}

TimeOfDay WebRuntime::Now() const {
    const int second = JsLocalSecondOfDay();
    return {second / 3600, second / 60 % 60, second % 60};
}
