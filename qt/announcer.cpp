// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/announcer.h"

#include <QAccessibleObject>
#include <QWidget>

namespace {

class Notification : public QAccessibleObject {
public:
    explicit Notification(Announcer* announcer) : QAccessibleObject(announcer) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<Announcer*>(object())->Words() : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
};

}  // namespace

Announcer::Announcer(QWidget* window) : QObject(window) {
    // Qt keeps the interface, and drops it with this object.
    QAccessible::registerAccessibleInterface(new Notification(this));
}

void Announcer::Announce(const QString& words) {
    words_ = words;
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
