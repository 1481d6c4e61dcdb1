// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopLanguages.h"

#include <QLocale>

// The user's display languages as Windows lists them (Qt asks GetUserPreferredUILanguages): "de-CH" is "de".
QStringList DesktopLanguages::preferred() {
    QStringList languages;
    for (const QString& name : QLocale::system().uiLanguages())
        languages.append(name.section(QLatin1Char('-'), 0, 0).toLower());
    return languages;
}
