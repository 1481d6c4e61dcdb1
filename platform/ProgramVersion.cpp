// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramVersion.h"

ProgramVersion ProgramVersion::current() {
    return {PINSOLA_VERSION_MAJOR, PINSOLA_VERSION_MINOR, PINSOLA_VERSION_PATCH};
}

QString ProgramVersion::plain() const {
    return QStringLiteral("%1.%2.%3").arg(Major).arg(Minor).arg(Revision);
}

QString ProgramVersion::padded() const {
    const QChar zero = QLatin1Char('0');
    return QStringLiteral("%1.%2.%3").arg(Major).arg(Minor, 2, 10, zero).arg(Revision, 4, 10, zero);
}
