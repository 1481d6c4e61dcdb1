// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/PageKeys.h"

#include <QKeyEvent>

bool PageKeys::claim(QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() != Qt::NoModifier ||
        (key->key() != Qt::Key_PageUp && key->key() != Qt::Key_PageDown))
        return false;
    event->accept();
    return true;
}
