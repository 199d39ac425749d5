// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/game_window.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QPalette>

#include <array>
#include <climits>
#include <mutex>

#include "qt/target_colours.h"
#include "qt/text_field_rules.h"
#include "runtime/window_layout.h"

namespace {

QString FromU16(std::u16string_view text) {
    return QStringView(text).toString();
}

QFont FontOf(const ControlLayout& control) {
    const bool serif = control.Face == Typeface::Serif;
    QFont font(serif ? QStringLiteral("MS Serif") : QStringLiteral("Arial"), control.Points,
               control.Bold ? QFont::Bold : QFont::Normal);
    font.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    if (serif) {
        // Where MS Serif is missing, the closest serif face.
        font.setFamilies({QStringLiteral("MS Serif"), QStringLiteral("Liberation Serif"),
                          QStringLiteral("DejaVu Serif"), QStringLiteral("serif")});
    }
    return font;
}

QLineEdit* TextBox(QWidget* parent) {
    auto* box = new QLineEdit(parent);
    // Qt cuts a line edit at 32767 characters by default; the answer has no
    // limit of its own.
    box->setMaxLength(INT_MAX);
    return box;
}

QPushButton* Button(QWidget* parent) {
    auto* button = new QPushButton(parent);
    // On a plain window Qt's buttons take Enter only when auto-default; the
    // window still has no default button, so Enter in a text box presses none.
    button->setAutoDefault(true);
    button->setDefault(false);
    return button;
}

// A plain top-level QWidget is exposed to screen readers as a nameless
// "filler"; the game window is a frame named by its title.
QAccessibleInterface* FrameFactory(const QString& className, QObject* object) {
    // A GameWindow declares no meta-object of its own, so it comes as a QWidget.
    if (className == QLatin1String("QWidget")) {
        if (auto* window = dynamic_cast<GameWindow*>(object)) {
            return new QAccessibleWidget(window, QAccessible::Window);
        }
    }
    return nullptr;
}

}  // namespace

GameWindow::GameWindow() {
    setWindowTitle(FromU16(WindowTitle));
    resize(Pixels(WindowWidth), Pixels(WindowHeight));

    Text1 = TextBox(this);
    Text2 = TextBox(this);
    Text3 = TextBox(this);
    Command1 = Button(this);
    Command2 = Button(this);
    Label1 = new QLabel(this);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setFocusPolicy(Qt::NoFocus);

    QWidget* previous = nullptr;
    for (const ControlLayout& control : WindowControls) {
        QWidget* widget = Widget(control.Id);
        widget->setGeometry(Pixels(control.Left), Pixels(control.Top), Pixels(control.Width),
                            Pixels(control.Height));
        widget->setFont(FontOf(control));
        widget->setAccessibleName(FromU16(control.Name));  // for screen readers
        if (auto* box = qobject_cast<QLineEdit*>(widget)) {
            box->setReadOnly(control.Kind == ControlKind::ReadOnlyBox);
            box->setAlignment((control.Centred ? Qt::AlignHCenter : Qt::AlignLeft) |
                              Qt::AlignVCenter);
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            button->setText(FromU16(control.Caption));
        }
        if (widget->focusPolicy() != Qt::NoFocus) {
            if (previous != nullptr) {
                setTabOrder(previous, widget);
            }
            previous = widget;
        }
    }
    FollowTargetColours(Text1);
    static std::once_flag frames;
    std::call_once(frames, [] { QAccessible::installFactory(FrameFactory); });
    Text1->setFocus();

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    Timer1->setTimerType(Qt::PreciseTimer);  // never early, so each timeout finds its tick due

    for (QLineEdit* box : {Text1, Text2, Text3}) {
        ApplyTextFieldRules(box);
    }
}

QWidget* GameWindow::Widget(Control control) const {
    const std::array<QWidget*, 6> inOrder{Text1, Text2, Text3, Command1, Command2, Label1};
    return inOrder[static_cast<std::size_t>(control)];  // Control's order
}
