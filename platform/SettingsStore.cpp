#include "platform/SettingsStore.h"

#include "base/VbError.h"

#include <QSettings>
#include <QStringList>
#include <memory>

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
        VbError::raise(VbErr::PathFileAccess);
}

QString SettingsStore::location(const QString& appName) {
    return open(appName)->fileName();
}
