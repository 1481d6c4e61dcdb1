// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ProgramWindowAccessible.h"

#include "core/ProgramWindow.h"

#include "base/AccessibleFactory.h"

ProgramWindowAccessible::ProgramWindowAccessible(QWidget* window)
    : QAccessibleWidget(window, QAccessible::Window) {}

void ProgramWindowAccessible::install() {
    installAccessibleFactory<ProgramWindow, ProgramWindowAccessible>();
}

QAccessible::Role ProgramWindowAccessible::role() const {
    return widget()->windowType() == Qt::Dialog ? QAccessible::Dialog : QAccessible::Window;
}

// The application lists no pop-up among its windows: the window that owns it does.
QList<QWidget*> ProgramWindowAccessible::openPopups() const {
    QList<QWidget*> popups;
    for (QWidget* child : widget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (child->windowType() == Qt::Popup && child->isVisible())
            popups << child;
    return popups;
}

int ProgramWindowAccessible::childCount() const {
    return QAccessibleWidget::childCount() + static_cast<int>(openPopups().size());
}

QAccessibleInterface* ProgramWindowAccessible::child(int index) const {
    const int widgets = QAccessibleWidget::childCount();
    if (index < widgets)
        return QAccessibleWidget::child(index);
    const QList<QWidget*> popups = openPopups();
    return index - widgets < popups.size() ? QAccessible::queryAccessibleInterface(popups.at(index - widgets))
                                           : nullptr;
}

int ProgramWindowAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const int index = QAccessibleWidget::indexOfChild(child);
    if (index >= 0 || !child)
        return index;
    const int popup = static_cast<int>(openPopups().indexOf(qobject_cast<QWidget*>(child->object())));
    return popup < 0 ? -1 : QAccessibleWidget::childCount() + popup;
}
