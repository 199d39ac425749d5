// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Runs a check on the next modal dialog as soon as it is open, so a test can
// look into a dialog that the code under test opens and waits on.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

inline void WhenModal(std::function<void(QWidget*)> check) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, check] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            check(modal);
        }
    });
    poll->start(10);
}
