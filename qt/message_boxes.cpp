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

#include "game/box_texts.h"
#include "qt/dialog_widths.h"
#include "qt/text_field_rules.h"

namespace {

QString ToQt(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void ShowMessageBox(QWidget* parent, const QString& text) {
    const std::u16string shown = ShownBoxText(text.toStdU16String());

    WholeLinesMessageBox box(parent);
    box.setWindowTitle(ToQt(ApplicationTitle));
    box.setIcon(QMessageBox::NoIcon);
    box.setTextFormat(Qt::PlainText);
    box.setText(ToQt(shown));
    QPushButton* ok = box.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    QShortcut copy(QKeySequence::Copy, &box);
    QObject::connect(&copy, &QShortcut::activated, &box, [&shown] {
        QGuiApplication::clipboard()->setText(ToQt(CopiedBoxText(ApplicationTitle, shown)));
    });
    box.exec();
}

QString ShowTextPrompt(QWidget* parent, const QString& prompt, const QString& title,
                       const QString& defaultText) {
    QInputDialog dialog(parent);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(title.isEmpty() ? ToQt(ApplicationTitle) : title);
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
