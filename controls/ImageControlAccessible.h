// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class ImageControl;

// What a screen reader sees of an image control that can be clicked: a push button, or a radio button
// when it is one of a group of choices, checked while it is the current one; its press clicks once the
// screen reader's call has been answered.
class ImageControlAccessible : public QAccessibleWidget {
public:
    explicit ImageControlAccessible(ImageControl* control);

    // Installs the interface for every ImageControl, once.
    static void install();

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    ImageControl* control() const;
};
