// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SettingsFiles.h"

#include <QSettings>

namespace {
const QString RegistryBranch = QStringLiteral("\\Software\\VB and VBA Program Settings\\");

QString rootOf(const QString& hive) {
    const QString& test = SettingsFiles::registryRootSeam.standIn();
    return test.isEmpty() ? hive
                          : test + (hive == QStringLiteral("HKEY_CURRENT_USER") ? QStringLiteral("\\HKCU")
                                                                                : QStringLiteral("\\HKLM"));
}

std::unique_ptr<QSettings> storeIn(const QString& hive, const QString& appName) {
    const QString root = rootOf(hive);
    auto settings = std::make_unique<QSettings>(root + RegistryBranch + appName, QSettings::NativeFormat);
    settings->setFallbacksEnabled(false);
    return settings;
}
} // namespace

std::unique_ptr<QSettings> SettingsFiles::userStore(const QString& appName) {
    return storeIn(QStringLiteral("HKEY_CURRENT_USER"), appName);
}

std::vector<std::unique_ptr<QSettings>> SettingsFiles::systemStores(const QString& appName) {
    std::vector<std::unique_ptr<QSettings>> stores;
    stores.push_back(storeIn(QStringLiteral("HKEY_LOCAL_MACHINE"), appName));
    return stores;
}

QString SettingsFiles::userLocation(const QString& appName) {
    return rootOf(QStringLiteral("HKEY_CURRENT_USER")) + RegistryBranch + appName;
}

QString SettingsFiles::whyNoFolder(const QString& folder) {
    return QStringLiteral("%1 cannot be made").arg(folder);
}
