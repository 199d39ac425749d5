// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The game's two modal dialogs, with Spanish buttons whatever the locale.
// Texts are always shown as plain text: names and answers are the player's
// own and are never rendered as markup.

#include <QString>

#include <string>

class QWidget;

// Only "Aceptar", no icon, titled "Quorel". Ctrl+C copies title and text.
void ShowMessageBox(QWidget* parent, const std::u16string& text);

// "Aceptar" returns the field's text, "Cancelar" (or closing) an empty text.
QString ShowTextPrompt(QWidget* parent, const QString& prompt, const QString& title,
                       const QString& defaultText);
