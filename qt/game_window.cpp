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

#include "qt/accessible_text_box.h"
#include "qt/target_colours.h"
#include "qt/text_field_rules.h"
#include "runtime/window_layout.h"

namespace {

QFont FontOf(Font face) {
    // Where MS Serif is missing, the closest serif face.
    QFont font(face == Font::Serif
                   ? QStringList{QStringLiteral("MS Serif"), QStringLiteral("Liberation Serif"),
                                 QStringLiteral("DejaVu Serif"), QStringLiteral("serif")}
                   : QStringList{QStringLiteral("Arial")},
               FontPoints, face == Font::SansBold ? QFont::Bold : QFont::Normal);
    font.setStyleHint(face == Font::Serif ? QFont::Serif : QFont::SansSerif);
    return font;
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
    // Before any widget exists: Qt keeps the first interface made for each.
    static std::once_flag factories;
    std::call_once(factories, [] {
        QAccessible::installFactory(FrameFactory);
        QAccessible::installFactory(AccessibleTextBox::Factory);
    });
    setWindowTitle(QStringView(WindowTitle).toString());
    resize(Pixels(WindowWidth), Pixels(WindowHeight));

    Text1 = new QLineEdit(this);
    Text2 = new QLineEdit(this);
    Text3 = new QLineEdit(this);
    Command1 = new QPushButton(this);
    Command2 = new QPushButton(this);
    Label1 = new QLabel(this);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setFocusPolicy(Qt::NoFocus);
    for (std::size_t i = 0; i < WindowControls.size(); ++i) {
        const ControlLayout& control = WindowControls[i];
        QWidget* widget = Widget(static_cast<Control>(i));
        widget->setGeometry(Pixels(control.Left), Pixels(control.Top), Pixels(control.Width),
                            Pixels(control.Height));
        widget->setFont(FontOf(control.Face));
        widget->setAccessibleName(QStringView(control.Name).toString());  // for screen readers
        if (auto* box = qobject_cast<QLineEdit*>(widget)) {
            box->setReadOnly(control.Kind == ControlKind::ReadOnlyBox);
            box->setAlignment((control.Centred ? Qt::AlignHCenter : Qt::AlignLeft) |
                              Qt::AlignVCenter);
            // Qt cuts a line edit at 32767 characters by default; the answer
            // has no limit of its own.
            box->setMaxLength(INT_MAX);
            ApplyTextFieldRules(box);
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            button->setText(QStringView(control.Caption).toString());
            // On a plain window Qt's buttons take Enter only when auto-default;
            // the window still has no default button, so Enter in a text box
            // presses none.
            button->setAutoDefault(true);
            button->setDefault(false);
        }
        if (i > 0) {
            setTabOrder(Widget(static_cast<Control>(i - 1)), widget);
        }
    }
    FollowTargetColours(Text1);
    Text1->setFocus();

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    Timer1->setTimerType(Qt::PreciseTimer);  // never early, so each timeout finds its tick due
}

QWidget* GameWindow::Widget(Control control) const {
    const std::array<QWidget*, 6> inOrder{Text1, Text2, Text3, Command1, Command2, Label1};
    return inOrder[static_cast<std::size_t>(control)];  // Control's order
}
