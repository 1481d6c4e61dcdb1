// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CommandKey.h"

#include <QShortcut>
#include <QWidget>
#include <brizel/AccessibleHints.h>

void CommandKey::add(QWidget* window, QWidget* button, const QKeySequence& key, std::function<void()> press) {
    if (key.isEmpty())
        return;
    button->setProperty(brizel::AccessibleHints::Shortcut, key);
    auto* shortcut = new QShortcut(key, window);
    shortcut->setContext(Qt::ApplicationShortcut);
    shortcut->setAutoRepeat(false);
    QObject::connect(shortcut, &QShortcut::activated, window, std::move(press));
}
