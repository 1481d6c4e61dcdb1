// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassRegistry.h"

#include "SystemPaths.h"

#include <QSettings>

namespace brizel {

namespace {

QSettings registry() {
    return QSettings(userConfigFolder() + QStringLiteral("/Brizel/registry.conf"), QSettings::IniFormat);
}

QString keyOf(const QString& progId) {
    return QStringLiteral("Classes/") + progId;
}

} // namespace

bool ClassRegistry::registerClass(const QString& progId, const QString& libraryPath) {
    QSettings settings = registry();
    settings.setValue(keyOf(progId), libraryPath);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool ClassRegistry::unregisterClass(const QString& progId) {
    QSettings settings = registry();
    settings.remove(keyOf(progId));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace brizel
