// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/message_boxes.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>

#include "qt/dialog_widths.h"
#include "qt/text_field_rules.h"

namespace {

const QString Rule = QStringLiteral("---------------------------\n");

}  // namespace

QString CopiedBoxText(const QString& title, const QString& text) {
    return Rule + title + QStringLiteral("\n") + Rule + text + QStringLiteral("\n") + Rule +
           QStringLiteral("Aceptar\n") + Rule;
}

void ShowMessageBox(QWidget* parent, const QString& text) {
    // The game writes CRLF; a label would draw the CR as a glyph of its own.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));

    WholeLinesMessageBox box(parent);
    box.setWindowTitle(ApplicationTitle);
    box.setIcon(QMessageBox::NoIcon);
    box.setTextFormat(Qt::PlainText);
    box.setText(shown);
    QPushButton* ok = box.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    QShortcut copy(QKeySequence::Copy, &box);
    QObject::connect(&copy, &QShortcut::activated, &box, [&shown] {
        QGuiApplication::clipboard()->setText(CopiedBoxText(ApplicationTitle, shown));
    });
    box.exec();
}

QString ShowTextPrompt(QWidget* parent, const QString& prompt, const QString& title,
                       const QString& defaultText) {
    QInputDialog dialog(parent);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(title.isEmpty() ? ApplicationTitle : title);
    dialog.setLabelText(prompt);
    FitTextPrompt(dialog);
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("Aceptar"));
    dialog.setCancelButtonText(QStringLiteral("Cancelar"));
    for (QLineEdit* field : dialog.findChildren<QLineEdit*>()) {
        ApplyTextFieldRules(field);
    }
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}
