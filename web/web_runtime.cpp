// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/web_runtime.h"

#include <emscripten/emscripten.h>

#include "game/form1.h"
#include "runtime/box_texts.h"
#include "runtime/legible_colour.h"
#include "runtime/window_layout.h"

// The page's side: each call writes or reads the page through the QuorelPage
// object of page.js, which takes and returns plain strings. Controls are
// named by their element ids; texts are converted here, on the module's side.

// clang-format off
EM_JS(void, JsNameEvents, (int wake, int command1Click, int command2Click, int boxAccepted,
                           int boxCancelled, int schemeChanged), {
    QuorelPage.nameEvents({wake, command1Click, command2Click, boxAccepted, boxCancelled,
                           schemeChanged});
});
EM_JS(void, JsSetText, (const char* id, const char16_t* text, int length), {
    QuorelPage.setText(UTF8ToString(id), quorelText(text, length));
});
EM_JS(int, JsTextLength, (const char* id), {
    return QuorelPage.text(UTF8ToString(id)).length;
});
EM_JS(void, JsCopyText, (const char* id, char16_t* out, int length), {
    stringToUTF16(QuorelPage.text(UTF8ToString(id)), out, 2 * length + 2);
});
EM_JS(void, JsSetCaption, (const char* id, const char16_t* text, int length,
                           const char16_t* spoken, int spokenLength), {
    QuorelPage.setCaption(UTF8ToString(id), quorelText(text, length),
                          quorelText(spoken, spokenLength));
});
EM_JS(void, JsSetEnabled, (const char* id, bool enabled), {
    QuorelPage.setEnabled(UTF8ToString(id), enabled);
});
EM_JS(bool, JsHasFocus, (const char* id), {
    return QuorelPage.hasFocus(UTF8ToString(id));
});
EM_JS(void, JsFocus, (const char* id), {
    QuorelPage.focus(UTF8ToString(id));
});
EM_JS(void, JsDescribePuzzle, (const char16_t* words, int length), {
    QuorelPage.describePuzzle(quorelText(words, length));
});
EM_JS(void, JsShowWindow, (), {
    QuorelPage.showWindow();
});
EM_JS(void, JsOpenMessage, (const char16_t* title, int titleLength, const char16_t* text,
                            int textLength, const char16_t* copied, int copiedLength), {
    QuorelPage.openMessage(quorelText(title, titleLength),
                           quorelText(text, textLength),
                           quorelText(copied, copiedLength));
});
EM_JS(void, JsOpenPrompt, (const char16_t* title, int titleLength, const char16_t* prompt,
                           int promptLength, const char16_t* text, int textLength), {
    QuorelPage.openPrompt(quorelText(title, titleLength),
                          quorelText(prompt, promptLength),
                          quorelText(text, textLength));
});
EM_JS(void, JsCloseBox, (), {
    QuorelPage.closeBox();
});
// A CSS system colour, such as "ButtonFace", as 0xRRGGBB.
EM_JS(uint32_t, JsSystemColour, (const char* name), {
    return QuorelPage.systemColour(UTF8ToString(name));
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

int Length(const std::u16string& text) {
    return static_cast<int>(text.size());
}

// A field's text, copied across once: the page writes straight into the
// string's own buffer (its terminator included).
std::u16string FieldText(const char* id) {
    std::u16string text(static_cast<std::size_t>(JsTextLength(id)), u'\0');
    JsCopyText(id, text.data(), Length(text));
    return text;
}

}  // namespace

WebRuntime::WebRuntime(uint64_t entropy) : ToolkitRuntime(entropy) {}

uint64_t WebRuntime::Entropy() {
    return uint64_t{JsRandom32()} << 32 | JsRandom32();
}

void WebRuntime::Run(Form1& form) {
    form_ = &form;
    // The page's events take their codes from here.
    const auto Code = [](Event event) { return static_cast<int>(event); };
    JsNameEvents(Code(Event::Wake), Code(Event::Command1Click), Code(Event::Command2Click),
                 Code(Event::BoxAccepted), Code(Event::BoxCancelled), Code(Event::SchemeChanged));
    ApplyTargetColours();
    FollowLink();
    form.SolveListener = &solves_;
    form.FormLoad();  // before the window is first shown
    DescribePuzzle();
    ShowShareText();
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
                    solved_.reset();
                    ShowShareText();
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
        const auto event =
            static_cast<Event>(JsNextEvent(static_cast<double>(MillisecondsToNextTick())));
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
    while (TakeDueTick()) {
        form_->Timer1Tick();
    }
}

void WebRuntime::ApplyTargetColours() {
    // Colour 14 is the text on a selection, the web's HighlightText, which
    // every engine keeps white in a dark scheme too. Field, a text box's own
    // background, is the same white in a light scheme and follows the page
    // into a dark one, as the rest of the window does.
    const auto [background, text] = TargetColoursIn([](SystemColour colour) {
        return Rgb::FromPacked(
            JsSystemColour(colour == SystemColour::HighlightText ? "Field" : "ButtonFace"));
    });
    JsSetTargetColours(background.Packed(), text.Packed());
}

int64_t WebRuntime::Milliseconds() const {
    return static_cast<int64_t>(JsWallClock());
}

std::u16string WebRuntime::Text(Control textBox) const {
    return FieldText(LayoutOf(textBox).Id);
}

void WebRuntime::SetText(Control textBox, const std::u16string& text) {
    JsSetText(LayoutOf(textBox).Id, text.data(), Length(text));
}

void WebRuntime::SetCaption(Control label, const std::u16string& caption) {
    // The clock is a timer region; a screen reader reads its name.
    const std::u16string spoken = SpokenClock(caption);
    JsSetCaption(LayoutOf(label).Id, caption.data(), Length(caption), spoken.data(),
                 Length(spoken));
}

bool WebRuntime::HasFocus(Control control) const {
    return JsHasFocus(LayoutOf(control).Id);
}

void WebRuntime::EnableControl(Control button, bool enabled) {
    // The page's queue may still hold a click from before.
    if (button == Control::Command1) {
        command1Enabled_ = enabled;
    } else if (button == Control::Command2) {
        command2Enabled_ = enabled;
    }
    JsSetEnabled(LayoutOf(button).Id, enabled);
}

void WebRuntime::FocusControl(Control control) {
    JsFocus(LayoutOf(control).Id);
}

void WebRuntime::DescribeTarget(const std::u16string& words) {
    JsDescribePuzzle(words.data(), Length(words));
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
        typed = FieldText("textPromptField");
    }
    JsCloseBox();
    return typed;
}

TimeOfDay WebRuntime::Now() const {
    const int second = JsLocalSecondOfDay();
    return {second / 3600, second / 60 % 60, second % 60};
}
