// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/toolkit_spanish.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool EnsureToolkitSpanish() {
    static const bool loaded = [] {
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (!translator->load(QStringLiteral("qtbase_es"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            delete translator;
            return false;
        }
        QCoreApplication::installTranslator(translator);
        return true;
    }();
    return loaded;
}
