// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SettingsFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Opening a named pipe in place of the file would wait for a writer for ever, and a device need never
// end: only a plain file (or none yet) is a store.
bool plainOrMissing(const QString& file) {
    const QFileInfo info(file);
    return !info.exists() || info.isFile();
}

std::unique_ptr<QSettings> storeIn(const QString& file) {
    auto settings = std::make_unique<QSettings>(file, QSettings::IniFormat);
    settings->setFallbacksEnabled(false);
    return settings;
}
} // namespace

// Named as Qt's settings name it, without opening it.
QString SettingsFiles::userLocation(const QString& appName) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') +
           appName + QLatin1Char('/') + appName + QStringLiteral(".conf");
}

// By its file: Qt's user scope would read the machine-wide files too, pipes or not, as it opens.
std::unique_ptr<QSettings> SettingsFiles::userStore(const QString& appName) {
    const QString file = userLocation(appName);
    if (!plainOrMissing(file))
        return {};
    return storeIn(file);
}

// In the order the system names its configuration folders.
std::vector<std::unique_ptr<QSettings>> SettingsFiles::systemStores(const QString& appName) {
    std::vector<std::unique_ptr<QSettings>> stores;
    QString folders = qEnvironmentVariable("XDG_CONFIG_DIRS");
    if (folders.isEmpty())
        folders = QStringLiteral("/etc/xdg");
    for (const QString& folder : folders.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        // Relative entries are invalid in the variable and would name a folder of the working directory.
        const QString file =
            QDir(folder).filePath(appName + QLatin1Char('/') + appName + QStringLiteral(".conf"));
        if (QDir::isAbsolutePath(folder) && plainOrMissing(file))
            stores.push_back(storeIn(file));
    }
    return stores;
}

// A read-only file system, a file in place of a folder above it.
QString SettingsFiles::whyNoFolder(const QString& folder) {
    const QString parent = QFileInfo(folder).absolutePath();
    if (parent != folder && !QFileInfo::exists(parent))
        return whyNoFolder(parent);
    if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0)
        return QStringLiteral("%1: %2").arg(folder, QString::fromLocal8Bit(std::strerror(errno)));
    ::rmdir(QFile::encodeName(folder).constData());
    return QStringLiteral("%1 cannot be made").arg(folder);
}
