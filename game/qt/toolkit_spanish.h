// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The toolkit's own texts (a text box's context menu, standard dialogs) in
// Spanish whatever the system's locale, from the translation Qt ships.

class QCoreApplication;

// False when the translation is not installed; the toolkit then stays in
// its built-in English.
bool LoadToolkitSpanish(QCoreApplication& app);
