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

// The toolkit's own texts in Spanish whatever the system's locale, from the
// translation Qt ships; loaded once. Where it is not installed, the toolkit
// stays in its built-in English.
void EnsureToolkitSpanish() {
    static std::once_flag once;
    std::call_once(once, [] {
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(QStringLiteral("qtbase_es"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(translator);
        } else {
            delete translator;
        }
    });
}

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
            // The menu is the only toolkit text a field shows; its translation
            // is loaded on the first one, off the path to the window.
            EnsureToolkitSpanish();
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void ApplyTextFieldRules(QWidget* field) {
    field->installEventFilter(new TextFieldRules(field));
}
