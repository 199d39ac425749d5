// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/fake_runtime.h"

#include <stdexcept>

#include "game/form1.h"

void FakeRuntime::Click(Control button) {
    if (!IsEnabled(button) || form == nullptr) {
        return;
    }
    if (button == Control::Command1) {
        form->Command1Click();
    } else if (button == Control::Command2) {
        form->Command2Click();
    }
}

void FakeRuntime::Tick() {
    if (timerEnabled && form != nullptr) {
        form->Timer1Tick();
    }
}

bool FakeRuntime::IsEnabled(Control button) const {
    const auto it = enabled.find(button);
    return it == enabled.end() || it->second;
}

std::u16string FakeRuntime::Text(Control textBox) const {
    const auto it = texts.find(textBox);
    return it == texts.end() ? std::u16string() : it->second;
}

void FakeRuntime::SetText(Control textBox, const std::u16string& text) {
    texts[textBox] = text;
}

void FakeRuntime::SetCaption(Control label, const std::u16string& caption) {
    texts[label] = caption;
}

void FakeRuntime::SetEnabled(Control button, bool isEnabled) {
    enabled[button] = isEnabled;
}

void FakeRuntime::SetFocus(Control control) {
    focus = control;
}

void FakeRuntime::SetTimerEnabled(bool isEnabled) {
    timerEnabled = isEnabled;
}

void FakeRuntime::MsgBox(const std::u16string& text) {
    boxes.push_back(text);
    for (int i = 0; i < ticksPerBox; ++i) {
        Tick();
    }
}

std::u16string FakeRuntime::InputBox(const std::u16string& prompt, const std::u16string& title,
                                     const std::u16string& defaultText) {
    prompts.push_back({prompt, title, defaultText});
    if (promptAnswers.empty()) {
        throw std::logic_error("no scripted prompt answer left");
    }
    const std::optional<std::u16string> answer = promptAnswers.front();
    promptAnswers.pop_front();
    return answer.value_or(std::u16string());
}

float FakeRuntime::Rnd() {
    if (draws.empty()) {
        throw std::logic_error("no scripted draw left");
    }
    const float r = draws.front();
    draws.pop_front();
    return r;
}

void FakeRuntime::Randomize(int32_t seed) {
    seeds.push_back(seed);
}

TimeOfDay FakeRuntime::Now() const {
    if (times.empty()) {
        throw std::logic_error("no scripted time of day left");
    }
    const TimeOfDay t = times.front();
    times.pop_front();
    return t;
}
