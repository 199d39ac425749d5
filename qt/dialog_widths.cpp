// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/dialog_widths.h"

#include <QEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QScreen>
#include <QStyle>

#include <algorithm>

bool WholeLinesMessageBox::event(QEvent* event) {
    const bool handled = QMessageBox::event(event);
    // QMessageBox sizes itself again on each layout request, and caps its
    // width below the screen's.
    if (event->type() == QEvent::LayoutRequest && isVisible()) {
        FitWidestLine();
    }
    return handled;
}

void WholeLinesMessageBox::showEvent(QShowEvent* event) {
    auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (label != nullptr) {
        const QFontMetrics metrics(label->font());
        int widest = 0;
        for (const QString& line : label->text().split(QLatin1Char('\n'))) {
            widest = std::max(widest, metrics.horizontalAdvance(line));
        }
        const QMargins margins = label->contentsMargins();
        // The layout then asks for the widest line; where that would not fit
        // on the screen, the label may wrap again.
        label->setMinimumWidth(widest + margins.left() + margins.right() + 2 * label->margin());
        if (layout()->totalMinimumSize().width() > screen()->availableGeometry().width()) {
            label->setMinimumWidth(0);
        }
    }
    QMessageBox::showEvent(event);
    FitWidestLine();
}

void WholeLinesMessageBox::FitWidestLine() {
    const int wanted = layout()->totalMinimumSize().width();
    if (width() >= wanted) {
        return;
    }
    const int height = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(wanted)
                                                     : layout()->totalMinimumSize().height();
    setFixedSize(wanted, height);
}

void FitTextPrompt(QInputDialog& dialog) {
    auto* field = dialog.findChild<QLineEdit*>();
    if (field == nullptr) {
        return;
    }
    // The field spans the dialog, and the dialog's layout fits it to the
    // field's minimum width; so the field carries both needs.
    const QFontMetrics metrics(field->font());
    const int frame = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, field);
    const QMargins text = field->textMargins();
    // 2 a side for the margin QLineEdit keeps inside its frame, 2 for the cursor.
    const int nameWidth =
        metrics.horizontalAdvance(QString(PromptNameCharacters, QLatin1Char('M'))) + 2 * frame +
        text.left() + text.right() + 2 * 2 + 2;

    // The title bar's font is the desktop's; where Qt does not know it, the
    // application's. Drawn bold, as most title bars do, with room around it
    // for three buttons on each side (the window's icon among them), since
    // many desktops centre the title: about ten lines' height in all.
    QFont titleFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    titleFont.setBold(true);
    const QFontMetrics title(titleFont);
    // The layout's own margins, still to be built, are the style's.
    const int around = dialog.style()->pixelMetric(QStyle::PM_LayoutLeftMargin, nullptr, &dialog) +
                       dialog.style()->pixelMetric(QStyle::PM_LayoutRightMargin, nullptr, &dialog);
    const int titleWidth =
        title.horizontalAdvance(dialog.windowTitle()) + 10 * title.height() - around;

    const int screenWidth = dialog.screen()->availableGeometry().width() - around;
    field->setMinimumWidth(std::min(std::max(nameWidth, titleWidth), screenWidth));
}
