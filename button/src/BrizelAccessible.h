// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

namespace brizel {

// What a screen reader sees of a button: a push button named by the name its host gave it, else by its
// tool tip, else by its caption unless that is in a symbol font; a toggle (or a switch its host names,
// AccessibleHints.h) is a check box, which screen readers read as checked or not checked (a checkable
// push button would be heard as checked only); its key bindings are the host's shortcut and the caption's
// access key.
// Pressed from a screen reader, it answers at once and clicks afterwards, so a command that waits for a
// window of its own (a name box, a question) never holds up the screen reader's call.
// Reads the control's properties by name, so it works for any widget that has them.
class BrizelAccessible : public QAccessibleWidget {
public:
    explicit BrizelAccessible(QWidget* button);

    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;
};

// For QAccessible::installFactory: an interface for objects of class "Brizel", nullptr for others.
QAccessibleInterface* BrizelAccessibleFactory(const QString& className, QObject* object);
// Installs BrizelAccessibleFactory once; every new control may call it.
void InstallBrizelAccessibility();
// Makes every tool tip change of `button` a name change for screen readers, and every change of the
// switch its host names a state change.
void FollowHost(QWidget* button);
// Tells screen readers that the name (tool tip or caption) changed.
void NotifyAccessibleNameChanged(QObject* button);
// Tells screen readers that the enabled or the pressed (toggle) state changed.
void NotifyAccessibleStateChanged(QObject* button);

} // namespace brizel
