// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SettingsStore.h"

#include "base/VbError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSettings>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QStringList>
#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

Q_LOGGING_CATEGORY(lcSettings, "pinsola.settings.store")

namespace {

#ifdef Q_OS_WIN
const QString RegistryBranch = QStringLiteral("\\Software\\VB and VBA Program Settings\\");
#endif

#ifndef Q_OS_WIN
// The user's file, named as Qt's settings name it, without opening it.
QString userFile(const QString& appName) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') +
           appName + QLatin1Char('/') + appName + QStringLiteral(".conf");
}

// Opening a named pipe in place of the file would wait for a writer for ever, and a device need never
// end: only a plain file (or none yet) is a store.
bool plainOrMissing(const QString& file) {
    const QFileInfo info(file);
    return !info.exists() || info.isFile();
}
#endif

// The user's own store only, or none where something else lies in the file's place: what lies beside it
// machine-wide is read by systemStores(), in the order the system names its folders.
std::unique_ptr<QSettings> open(const QString& appName) {
#ifdef Q_OS_WIN
    auto settings = std::make_unique<QSettings>(
        QStringLiteral("HKEY_CURRENT_USER") + RegistryBranch + appName, QSettings::NativeFormat);
#else
    // By its file: Qt's user scope would read the machine-wide files too, pipes or not, as it opens.
    const QString file = userFile(appName);
    if (!plainOrMissing(file))
        return {};
    auto settings = std::make_unique<QSettings>(file, QSettings::IniFormat);
#endif
    settings->setFallbacksEnabled(false);
    return settings;
}

// The machine-wide stores, the most important first.
std::vector<std::unique_ptr<QSettings>> systemStores(const QString& appName) {
    std::vector<std::unique_ptr<QSettings>> stores;
#ifdef Q_OS_WIN
    stores.push_back(std::make_unique<QSettings>(
        QStringLiteral("HKEY_LOCAL_MACHINE") + RegistryBranch + appName, QSettings::NativeFormat));
#else
    QString folders = qEnvironmentVariable("XDG_CONFIG_DIRS");
    if (folders.isEmpty())
        folders = QStringLiteral("/etc/xdg");
    for (const QString& folder : folders.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        // Relative entries are invalid in the variable and would name a folder of the working directory.
        const QString file =
            QDir(folder).filePath(appName + QLatin1Char('/') + appName + QStringLiteral(".conf"));
        if (QDir::isAbsolutePath(folder) && plainOrMissing(file))
            stores.push_back(std::make_unique<QSettings>(file, QSettings::IniFormat));
    }
#endif
    for (auto& store : stores)
        store->setFallbacksEnabled(false);
    return stores;
}

// The key as it is spelled in the store, or `key` itself when it is not there yet.
QString storedSpelling(QSettings& settings, const QString& key) {
    for (const QString& existing : settings.childKeys()) {
        if (existing.compare(key, Qt::CaseInsensitive) == 0)
            return existing;
    }
    return key;
}

// Why the missing folder cannot be made, in the system's words (a read-only file system, a file in place
// of a folder above it).
QString whyNoFolder(const QString& folder) {
#ifdef Q_OS_UNIX
    const QString parent = QFileInfo(folder).absolutePath();
    if (parent != folder && !QFileInfo::exists(parent))
        return whyNoFolder(parent);
    if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0)
        return QStringLiteral("%1: %2").arg(folder, QString::fromLocal8Bit(std::strerror(errno)));
    ::rmdir(QFile::encodeName(folder).constData());
#endif
    return QStringLiteral("%1 cannot be made").arg(folder);
}

// Why the store's file cannot be written, as far as the system tells.
QString whyUnwritable(const QString& file) {
    const QFileInfo info(file);
    if (info.isDir())
        return QStringLiteral("it is a folder");
    if (info.exists() && !info.isFile())
        return QStringLiteral("it is not a file");
    QFile probe(file);
    if (info.exists() && !probe.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        return probe.errorString();
    const QFileInfo folder(info.absolutePath());
    if (!folder.exists())
        return whyNoFolder(folder.filePath());
    if (!folder.isDir())
        return QStringLiteral("%1 is no folder").arg(folder.filePath());
    if (!folder.isWritable())
        return QStringLiteral("its folder is write-protected");
    if (QStorageInfo(folder.filePath()).bytesAvailable() == 0)
        return QString::fromLocal8Bit(std::strerror(ENOSPC));
    return QStringLiteral("it cannot be replaced");
}

// A store that cannot be written fails every later write of the session as well: the first failure is
// raised, the later ones of the same file are not, so ending the program asks one decision, not one per
// key. A write that succeeds again ends the quiet.
QString& failureReported() {
    static QString file;
    return file;
}

void writeFailed(const QString& file) {
    if (failureReported() == file)
        return;
    failureReported() = file;
    const QString reason = whyUnwritable(file);
    qCWarning(lcSettings).noquote() << "settings cannot be stored in" << file << "-" << reason;
    throw VbError(VbErr::PathFileAccess, VbError::standardDescription(VbErr::PathFileAccess) +
                                             QStringLiteral(": %1 (%2)").arg(file, reason));
}

// Adds the section's keys that `values` lacks yet: the first store to name a key decides its value.
void addSection(QHash<QString, QString>& values, QSettings& settings, const QString& section) {
    settings.beginGroup(section);
    for (const QString& key : settings.childKeys()) {
        const QString folded = key.toCaseFolded();
        if (!values.contains(folded))
            values.insert(folded, settings.value(key).toString());
    }
    settings.endGroup();
}

// The machine-wide stores' keys that `values` lacks yet.
void addSystemSections(QHash<QString, QString>& values, const QString& appName, const QString& section) {
    for (const auto& store : systemStores(appName))
        addSection(values, *store, section);
}

} // namespace

QString SettingsStore::GetSetting(const QString& appName, const QString& section, const QString& key,
                                  const QString& fallback) {
    return GetSection(appName, section).value(key.toCaseFolded(), fallback);
}

QHash<QString, QString> SettingsStore::GetSection(const QString& appName, const QString& section) {
    QHash<QString, QString> values;
    if (const auto user = open(appName))
        addSection(values, *user, section);
    addSystemSections(values, appName, section);
    return values;
}

QString SettingsStore::GetSystemSetting(const QString& appName, const QString& section, const QString& key,
                                        const QString& fallback) {
    return GetSystemSection(appName, section).value(key.toCaseFolded(), fallback);
}

void SettingsStore::SaveSetting(const QString& appName, const QString& section, const QString& key,
                                const QString& value) {
    auto settings = open(appName);
    if (!settings) {
        writeFailed(location(appName));
        return;
    }
    settings->beginGroup(section);
    settings->setValue(storedSpelling(*settings, key), value);
    settings->endGroup();
    settings->sync();
    if (settings->status() != QSettings::NoError)
        writeFailed(settings->fileName());
    else
        failureReported().clear();
}

QHash<QString, QString> SettingsStore::GetSystemSection(const QString& appName, const QString& section) {
    QHash<QString, QString> values;
    addSystemSections(values, appName, section);
    return values;
}

bool SettingsStore::DeleteSetting(const QString& appName, const QString& section, const QString& key) {
    auto settings = open(appName);
    if (!settings)
        return false;
    settings->beginGroup(section);
    const QString stored = storedSpelling(*settings, key);
    if (!settings->contains(stored))
        return false;
    settings->remove(stored);
    settings->endGroup();
    settings->sync();
    if (settings->status() != QSettings::NoError)
        writeFailed(settings->fileName());
    else
        failureReported().clear();
    return true;
}

QString SettingsStore::location(const QString& appName) {
#ifdef Q_OS_WIN
    return open(appName)->fileName();
#else
    return userFile(appName);
#endif
}
