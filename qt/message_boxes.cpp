// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/message_boxes.h"

#include <QAccessible>
#include <QClipboard>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>

#include <algorithm>

#include "qt/text_field_rules.h"
#include "runtime/box_texts.h"
#include "runtime/window_layout.h"

namespace {

// A message box whose lines stay whole wherever the screen has room for
// them. QMessageBox wraps lines past about 500 pixels, and a line of the
// best-times listing takes up to about 900. Where a line is wider than the
// screen, the box wraps as QMessageBox always has.
class WholeLinesMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    bool event(QEvent* event) override {
        const bool handled = QMessageBox::event(event);
        // QMessageBox sizes itself again on each layout request, and caps its
        // width below the screen's.
        if (event->type() == QEvent::LayoutRequest && isVisible()) {
            FitWidestLine();
        }
        return handled;
    }

    void showEvent(QShowEvent* event) override {
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

private:
    void FitWidestLine() {
        const int wanted = layout()->totalMinimumSize().width();
        if (width() >= wanted) {
            return;
        }
        const int height = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(wanted)
                                                         : layout()->totalMinimumSize().height();
        setFixedSize(wanted, height);
    }
};

// Makes a text prompt wide enough for its whole title in the title bar, and
// its text field for NameFieldCharacters wide characters. Call once its
// title is set.
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
        metrics.horizontalAdvance(QString(NameFieldCharacters, QLatin1Char('M'))) + 2 * frame +
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

const QString Title = QStringView(ApplicationTitle).toString();

// A box that follows another at once (the listing after the name prompt)
// opens a moment after it closed. A screen reader hears the window events
// late, and one that meets the new box already active when it hears the old
// one close takes the new box for the window it had, and does not read it.
// Only while a screen reader listens; the clock goes on meanwhile, as it
// does behind a box.
QElapsedTimer& LastBoxClosed() {
    static QElapsedTimer closed;
    return closed;
}

void AfterTheBoxBefore() {
    constexpr qint64 Pause = 300;  // milliseconds; a screen reader's lag is a tenth of it
    while (QAccessible::isActive() && LastBoxClosed().isValid() &&
           !LastBoxClosed().hasExpired(Pause)) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    }
}

}  // namespace

void ShowMessageBox(QWidget* parent, const std::u16string& text) {
    const std::u16string shown = ShownBoxText(text);

    AfterTheBoxBefore();
    WholeLinesMessageBox box(parent);
    box.setWindowTitle(Title);
    box.setIcon(QMessageBox::NoIcon);
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdU16String(shown));
    QPushButton* ok = box.addButton(QStringView(OkCaption).toString(), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    QShortcut copy(QKeySequence::Copy, &box);
    QObject::connect(&copy, &QShortcut::activated, &box, [&shown] {
        QGuiApplication::clipboard()->setText(
            QString::fromStdU16String(CopiedBoxText(ApplicationTitle, shown)));
    });
    box.exec();
    LastBoxClosed().start();
}

QString ShowTextPrompt(QWidget* parent, const QString& prompt, const QString& title,
                       const QString& defaultText) {
    AfterTheBoxBefore();
    QInputDialog dialog(parent);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(title.isEmpty() ? Title : title);
    dialog.setLabelText(prompt);
    FitTextPrompt(dialog);
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringView(OkCaption).toString());
    dialog.setCancelButtonText(QStringView(CancelCaption).toString());
    for (QLineEdit* field : dialog.findChildren<QLineEdit*>()) {
        ApplyTextFieldRules(field);
    }
    const QString typed = dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
    LastBoxClosed().start();
    return typed;
}
