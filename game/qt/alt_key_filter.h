// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Alt+key never types into a text field. An access key whose button is
// disabled, or a field in a dialog without access keys, leaves the key to
// the focused field, which would type the letter.

class QWidget;

// Installs the rule on one field, for as long as the field lives.
void BlockAltTyping(QWidget* field);
