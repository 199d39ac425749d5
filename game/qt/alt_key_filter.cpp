// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/qt/alt_key_filter.h"

#include <QKeyEvent>
#include <QWidget>

namespace {

class AltKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const Qt::KeyboardModifiers mods = static_cast<QKeyEvent*>(event)->modifiers();
            // AltGr can arrive as Ctrl+Alt, and it types real characters.
            if ((mods & Qt::AltModifier) && !(mods & Qt::ControlModifier)) {
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void BlockAltTyping(QWidget* field) {
    field->installEventFilter(new AltKeyFilter(field));
}
