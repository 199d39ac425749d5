// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Words for a screen reader to say at once, where no change of focus tells
// them: an accessible notification of the window, which draws nothing and
// takes no place among its controls, shown anew with each announcement.
// Qt 6.4 gives a screen reader the object, not the text, of a changed name or
// description, which it cannot speak.

#include <QObject>
#include <QString>

class QWidget;

class Announcer : public QObject {
public:
    explicit Announcer(QWidget* window);

    void Announce(const QString& words);
    const QString& Words() const { return words_; }

private:
    QString words_;
};
