// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SettingsStore.h"

#include "base/VbError.h"
#include "platform/SettingsFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSettings>
#include <QStorageInfo>
#include <cerrno>
#include <cstring>
#include <memory>

Q_LOGGING_CATEGORY(lcSettings, "pinsola.settings.store")

namespace {

// The key as it is spelled in the store, or `key` itself when it is not there yet.
QString storedSpelling(QSettings& settings, const QString& key) {
    for (const QString& existing : settings.childKeys()) {
        if (existing.compare(key, Qt::CaseInsensitive) == 0)
            return existing;
    }
    return key;
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
        return SettingsFiles::whyNoFolder(folder.filePath());
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
    for (const auto& store : SettingsFiles::systemStores(appName))
        addSection(values, *store, section);
}

} // namespace

QString SettingsStore::GetSetting(const QString& appName, const QString& section, const QString& key,
                                  const QString& fallback) {
    return GetSection(appName, section).value(key.toCaseFolded(), fallback);
}

QHash<QString, QString> SettingsStore::GetSection(const QString& appName, const QString& section) {
    QHash<QString, QString> values;
    if (const auto user = SettingsFiles::userStore(appName))
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
    auto settings = SettingsFiles::userStore(appName);
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
    auto settings = SettingsFiles::userStore(appName);
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
    return SettingsFiles::userLocation(appName);
}
