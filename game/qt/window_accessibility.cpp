#include "game/qt/window_accessibility.h"

#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace {

constexpr char FrameProperty[] = "quorelAccessibleFrame";

QAccessibleInterface* FrameFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("QWidget") && object != nullptr && object->isWidgetType() &&
        object->property(FrameProperty).toBool()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    }
    return nullptr;
}

}  // namespace

void ExposeAsFrame(QWidget* window) {
    static const bool installed = [] {
        QAccessible::installFactory(FrameFactory);
        return true;
    }();
    Q_UNUSED(installed);
    window->setProperty(FrameProperty, true);
}

QString SpokenClock(const QString& shown) {
    const QString name = QStringLiteral("Tiempo");
    return shown.isEmpty() ? name : name + QLatin1Char(' ') + shown;
}
