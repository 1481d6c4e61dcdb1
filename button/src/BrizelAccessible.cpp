// SPDX-License-Identifier: GPL-3.0-or-later
#include "BrizelAccessible.h"
#include "AccessKey.h"

#include <brizel/AccessibleHints.h>

#include <QCoreApplication>
#include <QFont>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPointer>
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

// A caption in a symbol font shows pictograms: its characters say nothing when read out.
bool symbolCaption(const QObject* button) {
    const QString family = button->property("Font").value<QFont>().family();
    return family.startsWith(QLatin1String("Wingdings"), Qt::CaseInsensitive) ||
           family.compare(QLatin1String("Webdings"), Qt::CaseInsensitive) == 0;
}

// Tells screen readers of a new tool tip, which is the button's name, and of a switch the host turned.
class HostWatch : public QObject {
public:
    explicit HostWatch(QObject* button) : QObject(button) { button->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ToolTipChange)
            NotifyAccessibleNameChanged(watched);
        else if (event->type() == QEvent::DynamicPropertyChange &&
                 static_cast<QDynamicPropertyChangeEvent*>(event)->propertyName() ==
                     AccessibleHints::SwitchOn)
            NotifyAccessibleStateChanged(watched);
        return false;
    }
};

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

// A name the host gave comes first; a symbol caption never names the button. The tool tip is the name,
// so it is no description as well.
QString BrizelAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Description)
        return widget()->accessibleDescription();
    if (t != QAccessible::Name)
        return QAccessibleWidget::text(t);
    if (!widget()->accessibleName().isEmpty())
        return widget()->accessibleName();
    const QVariant toolTipProperty = object()->property("ToolTip");
    QString toolTip = toolTipProperty.isValid() ? toolTipProperty.toString() : widget()->toolTip();
    if (!toolTip.isEmpty() || symbolCaption(object()))
        return toolTip;
    return readableCaption(object()->property("Caption").toString());
}

// Decided as it is asked: a host may make a button a switch after it was made.
QAccessible::Role BrizelAccessible::role() const {
    return state().checkable ? QAccessible::CheckBox : QAccessible::Button;
}

QAccessible::State BrizelAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    const QVariant enabled = object()->property("Enabled");
    if (enabled.isValid() && !enabled.toBool())
        s.disabled = true;
    const QVariant switchOn = object()->property(AccessibleHints::SwitchOn);
    if (flag(object(), "CheckBoxBehaviour")) {
        s.checkable = true;
        s.checked = flag(object(), "Value");
        s.pressed = s.checked;
    } else if (switchOn.isValid()) {
        s.checkable = true;
        s.checked = switchOn.toBool();
    }
    return s;
}

QStringList BrizelAccessible::actionNames() const {
    if (state().disabled)
        return {};
    return {QAccessibleActionInterface::pressAction()};
}

// Pressing from a screen reader is a left click in the middle of the face, once the call has been
// answered.
void BrizelAccessible::doAction(const QString& actionName) {
    if (actionName != QAccessibleActionInterface::pressAction() || state().disabled)
        return;
    QMetaObject::invokeMethod(
        widget(),
        [button = QPointer<QWidget>(widget())] {
            sendMouse(button, QEvent::MouseButtonPress);
            if (button)
                sendMouse(button, QEvent::MouseButtonRelease);
        },
        Qt::QueuedConnection);
}

QStringList BrizelAccessible::keyBindingsForAction(const QString& actionName) const {
    if (actionName != QAccessibleActionInterface::pressAction())
        return {};
    QStringList keys;
    const auto shortcut = object()->property(AccessibleHints::Shortcut).value<QKeySequence>();
    if (!shortcut.isEmpty())
        keys << shortcut.toString(QKeySequence::NativeText);
    if (const std::optional<QChar> key = UpdateAccessKey(object()->property("Caption").toString()))
        keys << QKeySequence(QStringLiteral("Alt+") + key->toUpper()).toString(QKeySequence::NativeText);
    return keys;
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

void FollowHost(QWidget* button) {
    new HostWatch(button);
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
