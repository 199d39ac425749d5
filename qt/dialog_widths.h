// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Widths for the game's two dialogs, so that what the player reads is not
// cut or wrapped. Their texts, buttons and behaviour are the dialogs' own.

#include <QMessageBox>

class QInputDialog;

// A message box whose lines stay whole wherever the screen has room for
// them. QMessageBox wraps lines past about 500 pixels, and a line of the
// best-times listing takes up to about 900. Where a line is wider than the
// screen, the box wraps as QMessageBox always has.
class WholeLinesMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FitWidestLine();
};

// Characters of a name the prompt shows without scrolling.
inline constexpr int PromptNameCharacters = 25;

// Makes a text prompt wide enough for its whole title in the title bar, and
// its text field for PromptNameCharacters wide characters. Call once its
// title is set.
void FitTextPrompt(QInputDialog& dialog);
