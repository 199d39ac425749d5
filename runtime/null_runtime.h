// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A toolkit that does nothing: no control, box, timer or clock. Programs that
// only read and evaluate answers (the solver) run Form1 on it, and the tests'
// recording toolkit builds on it.

#include "runtime/forms_runtime.h"

class NullRuntime : public FormsRuntime {
public:
    std::u16string Text(Control) const override { return {}; }
    void SetText(Control, const std::u16string&) override {}
    void SetCaption(Control, const std::u16string&) override {}
    void SetEnabled(Control, bool) override {}
    void SetFocus(Control) override {}
    void SetTimerEnabled(bool) override {}
    void MsgBox(const std::u16string&) override {}
    std::u16string InputBox(const std::u16string&, const std::u16string&,
                            const std::u16string&) override {
        return {};
    }
    float Rnd() override { return 0.0f; }
    void Randomize(int32_t) override {}
    TimeOfDay Now() const override { return {}; }
};
