#include "platform/SettingsStore.h"

#include "base/VbError.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSettings>
#include <QStorageInfo>
#include <QStringList>
#include <cerrno>
#include <cstring>
#include <memory>

Q_LOGGING_CATEGORY(lcSettings, "pinsola.settings.store")

namespace {
std::unique_ptr<QSettings> open(const QString& appName) {
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(
        QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\") + appName,
        QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, appName, appName);
#endif
}

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
    QFile probe(file);
    if (info.exists() && !probe.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        return probe.errorString();
    const QFileInfo folder(info.absolutePath());
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
} // namespace

QString SettingsStore::GetSetting(const QString& appName, const QString& section, const QString& key,
                                  const QString& fallback) {
    auto settings = open(appName);
    settings->beginGroup(section);
    const QString spelled = storedSpelling(*settings, key);
    return settings->contains(spelled) ? settings->value(spelled).toString() : fallback;
}

void SettingsStore::SaveSetting(const QString& appName, const QString& section, const QString& key,
                                const QString& value) {
    auto settings = open(appName);
    settings->beginGroup(section);
    settings->setValue(storedSpelling(*settings, key), value);
    settings->endGroup();
    settings->sync();
    if (settings->status() != QSettings::NoError)
        writeFailed(settings->fileName());
    else
        failureReported().clear();
}

QString SettingsStore::location(const QString& appName) {
    return open(appName)->fileName();
}
