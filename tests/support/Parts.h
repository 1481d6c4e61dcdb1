// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QVariant>
#include <QtGlobal>

// The windows keep their controls to themselves; tests and benchmarks reach one by the object name it
// carries, and a run that looks for a control that is not there ends at once, naming it.
template <typename T> T* part(const QObject* window, const QString& name) {
    T* found = window->findChild<T*>(name);
    if (!found)
        qFatal("%s has no %s of that type", qPrintable(window->objectName()), qPrintable(name));
    return found;
}

template <typename T> T* part(const QObject* window, const char* name) {
    return part<T>(window, QString::fromLatin1(name));
}

// Element `index` of a control array: "imgLang(1)".
template <typename T> T* part(const QObject* window, const char* name, int index) {
    return part<T>(window, QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index));
}

// A window's state the program keeps as a read-only property: "StrokeActive".
template <typename T> T state(const QObject* window, const char* name) {
    const QVariant value = window->property(name);
    if (!value.isValid())
        qFatal("%s has no property %s", qPrintable(window->objectName()), name);
    return value.value<T>();
}
