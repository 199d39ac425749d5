// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/text_field_rules.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QTranslator>
#include <QWidget>

#include <mutex>

namespace {

class TextFieldRules : public QObject {
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
        } else if (event->type() == QEvent::ContextMenu) {
            // The menu is the only toolkit text a field shows: Qt's Spanish
            // translation is loaded on the first one, off the path to the
            // window. Where it is not installed, the menu stays in English.
            static std::once_flag once;
            std::call_once(once, [] {
                auto* spanish = new QTranslator(QCoreApplication::instance());
                if (spanish->load(QStringLiteral("qtbase_es"),
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                    QCoreApplication::installTranslator(spanish);
                } else {
                    delete spanish;
                }
            });
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void ApplyTextFieldRules(QWidget* field) {
    field->installEventFilter(new TextFieldRules(field));
}
