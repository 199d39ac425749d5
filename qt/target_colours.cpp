// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/target_colours.h"

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QWidget>

#include "runtime/legible_colour.h"

namespace {

Rgb FromQt(const QColor& colour) {
    return {colour.red(), colour.green(), colour.blue()};
}

void ApplyTargetColours(QWidget* box) {
    const QPalette scheme = QApplication::palette();
    const auto [plainBackground, plainText] = TargetColoursIn([&scheme](SystemColour colour) {
        return FromQt(scheme.color(colour == SystemColour::HighlightText ? QPalette::HighlightedText
                                                                         : QPalette::Button));
    });
    const QColor background(plainBackground.Red, plainBackground.Green, plainBackground.Blue);
    const QColor legible(plainText.Red, plainText.Green, plainText.Blue);
    QPalette colours = box->palette();
    if (colours.color(QPalette::Base) == background && colours.color(QPalette::Text) == legible &&
        colours.isBrushSet(QPalette::Active, QPalette::Text)) {
        return;  // also ends the change event that setting them sends
    }
    colours.setColor(QPalette::Base, background);
    colours.setColor(QPalette::Text, legible);
    box->setPalette(colours);
}

// The box's own two colours hide the scheme's from it, so a new scheme has
// to be applied to them by hand. Any change to 14 or 15, which the box
// inherits, reaches it as a change of its palette.
class SchemeFollower : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::PaletteChange) {
            ApplyTargetColours(static_cast<QWidget*>(watched));
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void FollowTargetColours(QWidget* box) {
    ApplyTargetColours(box);
    box->installEventFilter(new SchemeFollower(box));
}
