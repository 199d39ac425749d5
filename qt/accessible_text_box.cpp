// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/accessible_text_box.h"

#include <QFontMetrics>
#include <QLineEdit>

AccessibleTextBox::AccessibleTextBox(QLineEdit* box)
    : QAccessibleWidget(box, QAccessible::EditableText) {}

QAccessibleInterface* AccessibleTextBox::Factory(const QString& className, QObject* object) {
    if (className == QLatin1String("QLineEdit")) {
        if (auto* box = qobject_cast<QLineEdit*>(object)) {
            return new AccessibleTextBox(box);
        }
    }
    return nullptr;
}

QLineEdit* AccessibleTextBox::Box() const {
    return static_cast<QLineEdit*>(widget());
}

void* AccessibleTextBox::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    if (type == QAccessible::EditableTextInterface) {
        return static_cast<QAccessibleEditableTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State AccessibleTextBox::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = Box()->isReadOnly();
    state.editable = !Box()->isReadOnly();
    state.selectableText = true;
    return state;
}

QString AccessibleTextBox::text(QAccessible::Text t) const {
    return t == QAccessible::Value ? Box()->text() : QAccessibleWidget::text(t);
}

void AccessibleTextBox::setText(QAccessible::Text t, const QString& text) {
    if (t == QAccessible::Value) {
        Edit(text);
    } else {
        QAccessibleWidget::setText(t, text);
    }
}

void AccessibleTextBox::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && Box()->hasSelectedText()) {
        *startOffset = Box()->selectionStart();
        *endOffset = Box()->selectionEnd();
    }
}

int AccessibleTextBox::selectionCount() const {
    return Box()->hasSelectedText() ? 1 : 0;
}

void AccessibleTextBox::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void AccessibleTextBox::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) {
        Box()->deselect();
    }
}

void AccessibleTextBox::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0) {
        Box()->setSelection(startOffset, endOffset - startOffset);
    }
}

int AccessibleTextBox::cursorPosition() const {
    return Box()->cursorPosition();
}

void AccessibleTextBox::setCursorPosition(int position) {
    Box()->setCursorPosition(position);
}

QString AccessibleTextBox::text(int startOffset, int endOffset) const {
    if (startOffset < 0 || endOffset < startOffset) {
        return {};
    }
    return Box()->text().mid(startOffset, endOffset - startOffset);
}

int AccessibleTextBox::characterCount() const {
    return static_cast<int>(Box()->text().size());
}

QRect AccessibleTextBox::characterRect(int offset) const {
    const QString shown = Box()->text();
    if (offset < 0 || offset >= shown.size()) {
        return {};
    }
    // Measured from the caret, which the box places with its alignment and
    // scrolling: the box's own layout, without its private parts.
    const QFontMetrics metrics(Box()->font());
    const QRect caret = Box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int x = caret.center().x() + metrics.horizontalAdvance(shown.left(offset)) -
                  metrics.horizontalAdvance(shown.left(Box()->cursorPosition()));
    const QRect character(x, caret.top(), metrics.horizontalAdvance(shown.at(offset)),
                          caret.height());
    return character.translated(Box()->mapToGlobal(QPoint(0, 0)));
}

int AccessibleTextBox::offsetAtPoint(const QPoint& point) const {
    return Box()->cursorPositionAt(Box()->mapFromGlobal(point));
}

void AccessibleTextBox::scrollToSubstring(int startIndex, int endIndex) {
    Box()->setCursorPosition(endIndex);
    Box()->setCursorPosition(startIndex);
}

QString AccessibleTextBox::attributes(int offset, int* startOffset, int* endOffset) const {
    // A line edit has no attributes of its own: one run over the whole text.
    const int length = characterCount();
    if (offset < 0 || offset > length) {
        *startOffset = *endOffset = -1;
        return {};
    }
    *startOffset = 0;
    *endOffset = length;
    return {};
}

void AccessibleTextBox::deleteText(int startOffset, int endOffset) {
    replaceText(startOffset, endOffset, {});
}

void AccessibleTextBox::insertText(int offset, const QString& text) {
    replaceText(offset, offset, text);
}

void AccessibleTextBox::replaceText(int startOffset, int endOffset, const QString& text) {
    const QString now = Box()->text();
    if (startOffset < 0 || endOffset < startOffset || startOffset > now.size()) {
        return;
    }
    Edit(QString(now).replace(startOffset, endOffset - startOffset, text));
}

void AccessibleTextBox::Edit(const QString& text) {
    // Only the program writes a read-only box.
    if (!Box()->isReadOnly()) {
        Box()->setText(text);
    }
}
