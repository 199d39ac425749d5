// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/game_window.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QPalette>

#include <climits>
#include <mutex>

#include "qt/target_colours.h"
#include "qt/text_field_rules.h"
#include "runtime/box_texts.h"

namespace {

QFont ArialFont(bool bold) {
    QFont font(QStringLiteral("Arial"), 18, bold ? QFont::Bold : QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont SerifFont() {
    // Where MS Serif is missing, the closest serif face.
    QFont font(QStringLiteral("MS Serif"), 18, QFont::Normal);
    font.setStyleHint(QFont::Serif);
    font.setFamilies({QStringLiteral("MS Serif"), QStringLiteral("Liberation Serif"),
                      QStringLiteral("DejaVu Serif"), QStringLiteral("serif")});
    return font;
}

void Place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(GameWindow::Pixels(left), GameWindow::Pixels(top),
                        GameWindow::Pixels(width), GameWindow::Pixels(height));
}

QLineEdit* TextBox(QWidget* parent, const QFont& font, bool readOnly) {
    auto* box = new QLineEdit(parent);
    box->setFont(font);
    box->setReadOnly(readOnly);
    box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Qt cuts a line edit at 32767 characters by default; the answer has no
    // limit of its own.
    box->setMaxLength(INT_MAX);
    return box;
}

QPushButton* Button(QWidget* parent, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setFont(ArialFont(false));
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
    setWindowTitle(QStringLiteral("QUOREL"));
    resize(Pixels(5880), Pixels(4590));

    Text1 = TextBox(this, ArialFont(true), true);
    Text1->setAlignment(Qt::AlignCenter);
    FollowTargetColours(Text1);
    Place(Text1, 0, 0, 6000, 600);

    Text2 = TextBox(this, ArialFont(false), true);
    Place(Text2, 0, 1000, 6000, 600);

    Text3 = TextBox(this, SerifFont(), false);
    Place(Text3, 0, 2000, 6000, 600);

    Command1 = Button(this, QStringLiteral("&Hecho"));
    Place(Command1, 500, 3000, 2000, 600);
    Command2 = Button(this, QStringLiteral("&Nuevo"));
    Place(Command2, 3500, 3000, 2000, 600);

    Label1 = new QLabel(this);
    Label1->setFont(ArialFont(false));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setFocusPolicy(Qt::NoFocus);
    Place(Label1, 2000, 4000, 2000, 600);

    // Spoken names for screen readers.
    Text1->setAccessibleName(QStringLiteral("Objetivo"));
    Text2->setAccessibleName(QStringLiteral("Números"));
    Text3->setAccessibleName(QStringLiteral("Respuesta"));
    Command1->setAccessibleName(QStringLiteral("Hecho"));
    Command2->setAccessibleName(QStringLiteral("Nuevo"));
    Label1->setAccessibleName(QString::fromStdU16String(SpokenClock(u"")));  // each tick, the time
    static std::once_flag frames;
    std::call_once(frames, [] { QAccessible::installFactory(FrameFactory); });

    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Command1);
    setTabOrder(Command1, Command2);
    Text1->setFocus();

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    Timer1->setTimerType(Qt::PreciseTimer);  // never early, so each timeout finds its tick due

    for (QLineEdit* box : {Text1, Text2, Text3}) {
        ApplyTextFieldRules(box);
    }
}
