// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What every text field the game shows obeys, in the window and in the name
// prompt alike:
// - Alt+key never types into it. An access key whose button is disabled, or
//   a field in a dialog without access keys, would leave the key to the
//   field, which would type the letter.
// - Its context menu, the toolkit's own, speaks Spanish.

class QWidget;

// Installs the rules on one field, for as long as the field lives.
void ApplyTextFieldRules(QWidget* field);
