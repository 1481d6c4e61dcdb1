// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Forms.h"

#include "errors/HandlerEdge.h"

#include <QPointer>
#include <QWidget>

namespace {
QList<QPointer<QWidget>>& forms() {
    static QList<QPointer<QWidget>> list;
    return list;
}
} // namespace

void Forms::add(QWidget* form) {
    if (!loaded().contains(form))
        forms().append(form);
}

void Forms::remove(QWidget* form) {
    forms().removeIf([form](const QPointer<QWidget>& entry) { return entry.isNull() || entry == form; });
}

QList<QWidget*> Forms::loaded() {
    forms().removeIf([](const QPointer<QWidget>& entry) { return entry.isNull(); });
    QList<QWidget*> result;
    for (const QPointer<QWidget>& entry : forms())
        result.append(entry.data());
    return result;
}

bool Forms::unload(QWidget* form) {
    bool closed = false;
    HandlerEdge::carry([&] { closed = form->close(); });
    if (!closed)
        return false;
    remove(form);
    form->deleteLater();
    return true;
}
