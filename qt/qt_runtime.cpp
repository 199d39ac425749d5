// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/qt_runtime.h"

#include <QTime>

#include <ctime>

#include "game/form1.h"
#include "qt/message_boxes.h"
#include "runtime/box_texts.h"

namespace {

// CLOCK_BOOTTIME goes on while the machine sleeps, unlike steady_clock, and
// never jumps when the wall clock is set.
int64_t BootMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return int64_t{now.tv_sec} * 1000 + now.tv_nsec / 1000000;
}

}  // namespace

QtRuntime::QtRuntime(GameWindow& window, uint64_t entropy)
    : ToolkitRuntime(entropy), window_(window), announcer_(&window) {}

void QtRuntime::Wire(Form1& form) {
    QObject::connect(window_.Command1, &QPushButton::clicked, &window_,
                     [&form] { form.Command1Click(); });
    QObject::connect(window_.Command2, &QPushButton::clicked, &window_,
                     [&form] { form.Command2Click(); });
    QObject::connect(window_.Timer1, &QTimer::timeout, &window_, [this, &form] {
        while (TakeDueTick()) {
            form.Timer1Tick();
        }
    });
}

std::u16string QtRuntime::Text(Control textBox) const {
    if (auto* box = qobject_cast<QLineEdit*>(window_.Widget(textBox))) {
        return box->text().toStdU16String();
    }
    return {};
}

void QtRuntime::SetText(Control textBox, const std::u16string& text) {
    if (auto* box = qobject_cast<QLineEdit*>(window_.Widget(textBox))) {
        box->setText(QString::fromStdU16String(text));
    }
}

void QtRuntime::SetCaption(Control label, const std::u16string& caption) {
    if (auto* shown = qobject_cast<QLabel*>(window_.Widget(label))) {
        shown->setText(QString::fromStdU16String(caption));
        shown->setAccessibleName(QString::fromStdU16String(SpokenClock(caption)));
    }
}

bool QtRuntime::HasFocus(Control control) const {
    // Also the focus of a window that is not active now.
    return window_.Widget(control)->hasFocus() || window_.focusWidget() == window_.Widget(control);
}

void QtRuntime::EnableControl(Control button, bool enabled) {
    window_.Widget(button)->setEnabled(enabled);
}

void QtRuntime::FocusControl(Control control) {
    window_.Widget(control)->setFocus(Qt::OtherFocusReason);
}

int64_t QtRuntime::Milliseconds() const {
    return BootMilliseconds();
}

void QtRuntime::RunTimer(bool running) {
    if (running) {
        window_.Timer1->start();
    } else {
        window_.Timer1->stop();
    }
}

void QtRuntime::DescribeTarget(const std::u16string& words) {
    const QString spoken = QString::fromStdU16String(words);
    // Read with the box as it takes the focus; where the shown window has it
    // there already, nothing moves, and only an announcement is heard.
    if (window_.isVisible() && HasFocus(Control::Text1)) {
        announcer_.Announce(spoken);
    }
    window_.Text1->setAccessibleDescription(spoken);
}

void QtRuntime::MsgBox(const std::u16string& text) {
    ShowMessageBox(&window_, text);
}

std::u16string QtRuntime::InputBox(const std::u16string& prompt, const std::u16string& title,
                                   const std::u16string& defaultText) {
    return ShowTextPrompt(&window_, QString::fromStdU16String(prompt),
                          QString::fromStdU16String(title), QString::fromStdU16String(defaultText))
        .toStdU16String();
}

TimeOfDay QtRuntime::Now() const {
    const QTime now = QTime::currentTime();
    return {now.hour(), now.minute(), now.second()};
}
