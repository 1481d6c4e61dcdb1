// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>
#include <QList>

// What a screen reader sees of a window of the program: a frame, or a dialog for a window that is one
// (the start screen); a pop-up menu it owns is among its children while it is open.
class ProgramWindowAccessible : public QAccessibleWidget {
public:
    explicit ProgramWindowAccessible(QWidget* window);

    // Installs the interface for every ProgramWindow, once.
    static void install();

    QAccessible::Role role() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    QList<QWidget*> openPopups() const;
};
