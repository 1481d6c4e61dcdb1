// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SystemVersion.h"

QByteArray SystemVersion::servicePackField(const QByteArray& text) {
    QByteArray field = text.left(127);
    field.append(QByteArray(128 - field.size(), '\0'));
    return field;
}
