// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QLatin1String>
#include <QString>

// Gives every widget of class `Widget` the accessible interface `Interface` (made from the widget), once.
// Qt asks the factory with the widget's class and then each base class in turn: answering only for
// `Widget`'s own name leaves a subclass to the factories of its own classes first.
template <typename Widget, typename Interface>
QAccessibleInterface* accessibleFor(const QString& className, QObject* object) {
    auto* widget = qobject_cast<Widget*>(object);
    if (!widget || className != QLatin1String(Widget::staticMetaObject.className()))
        return nullptr;
    return new Interface(widget);
}

template <typename Widget, typename Interface> void installAccessibleFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(&accessibleFor<Widget, Interface>);
        return true;
    }();
    Q_UNUSED(installed);
}
