#include "BrizelAccessible.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

namespace brizel {
namespace {

// The caption as it reads: '&' marks are dropped, "&&" and a trailing '&' read as one '&'.
QString readableCaption(const QString& caption) {
    QString text;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&' && i + 1 < caption.size())
            ++i;
        text += caption.at(i);
    }
    return text;
}

bool flag(const QObject* object, const char* name) {
    return object->property(name).toBool();
}

void sendMouse(QWidget* target, QEvent::Type type) {
    const QPointF centre = QRectF(target->rect()).center();
    QMouseEvent event(type, centre, target->mapToGlobal(centre), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

} // namespace

BrizelAccessible::BrizelAccessible(QWidget* button) : QAccessibleWidget(button, QAccessible::Button) {}

QString BrizelAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Name)
        return QAccessibleWidget::text(t);
    const QVariant toolTipProperty = object()->property("ToolTip");
    const QString toolTip = toolTipProperty.isValid() ? toolTipProperty.toString() : widget()->toolTip();
    if (!toolTip.isEmpty())
        return toolTip;
    return readableCaption(object()->property("Caption").toString());
}

QAccessible::State BrizelAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    const QVariant enabled = object()->property("Enabled");
    if (enabled.isValid() && !enabled.toBool())
        s.disabled = true;
    if (flag(object(), "CheckBoxBehaviour")) {
        s.checkable = true;
        s.checked = flag(object(), "Value");
        s.pressed = s.checked;
    }
    return s;
}

QStringList BrizelAccessible::actionNames() const {
    if (state().disabled)
        return {};
    return {QAccessibleActionInterface::pressAction()};
}

// Pressing from a screen reader is a left click in the middle of the face.
void BrizelAccessible::doAction(const QString& actionName) {
    if (actionName != QAccessibleActionInterface::pressAction() || state().disabled)
        return;
    sendMouse(widget(), QEvent::MouseButtonPress);
    sendMouse(widget(), QEvent::MouseButtonRelease);
}

QAccessibleInterface* BrizelAccessibleFactory(const QString& className, QObject* object) {
    const bool brizel = className == QLatin1String("Brizel") || className.endsWith(QLatin1String("::Brizel"));
    if (!brizel || !object || !object->isWidgetType())
        return nullptr;
    return new BrizelAccessible(static_cast<QWidget*>(object));
}

void InstallBrizelAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(BrizelAccessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void NotifyAccessibleNameChanged(QObject* button) {
    QAccessibleEvent event(button, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void NotifyAccessibleStateChanged(QObject* button) {
    QAccessible::State changed;
    changed.disabled = true;
    changed.checkable = true;
    changed.checked = true;
    changed.pressed = true;
    QAccessibleStateChangeEvent event(button, changed);
    QAccessible::updateAccessibility(&event);
}

} // namespace brizel
