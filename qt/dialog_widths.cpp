// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/dialog_widths.h"

#include <QEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
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
    // Until the box first sizes itself, a plain text is not wrapped, so the
    // layout's minimum width is that of the widest line. A spacer across the
    // layout keeps that width once the box wraps the text: the rest of the
    // text's row has a fixed width, so the text gets all of it.
    auto* grid = qobject_cast<QGridLayout*>(layout());
    if (grid != nullptr &&
        grid->totalMinimumSize().width() <= screen()->availableGeometry().width()) {
        const QMargins margins = grid->contentsMargins();
        const int width = grid->totalMinimumSize().width() - margins.left() - margins.right();
        grid->addItem(new QSpacerItem(width, 0), grid->rowCount(), 0, 1, grid->columnCount());
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
