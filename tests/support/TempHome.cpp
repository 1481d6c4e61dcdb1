// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TempHome.h"

#include "core/Allgemein.h"
#include "platform/SettingsFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

TempHome::TempHome()
    : m_oldConfigHome(qgetenv("XDG_CONFIG_HOME")), m_oldDataHome(qgetenv("XDG_DATA_HOME")),
      m_oldStateHome(qgetenv("XDG_STATE_HOME")), m_oldRuntimeDir(qgetenv("XDG_RUNTIME_DIR")),
      m_oldConfigDirs(qgetenv("XDG_CONFIG_DIRS")), m_oldLocalAppData(qgetenv("LOCALAPPDATA")) {
    QDir(m_dir.path()).mkpath(QStringLiteral("config"));
    QDir(m_dir.path()).mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(m_dir.path() + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", (m_dir.path() + QStringLiteral("/runtime")).toLocal8Bit());
    QDir(m_dir.path()).mkpath(QStringLiteral("program/pics"));
    // The windows create their buttons from the button library in the program folder, and the program
    // plays its sounds through the sound module there: the one this test links, so both are one player.
    // Linked where the system has links; Windows's are shortcut files that no loader follows.
    for (const QString& library : {QStringLiteral(BUTTON_LIBRARY), QStringLiteral(SOUND_LIBRARY)}) {
        const QString inFolder = programFolder() + QStringLiteral("/") + QFileInfo(library).fileName();
#ifdef Q_OS_WIN
        QFile::copy(library, inFolder);
#else
        QFile::link(library, inFolder);
#endif
    }
    qputenv("XDG_CONFIG_HOME", configFolder().toLocal8Bit());
    qputenv("XDG_CONFIG_DIRS", (m_dir.path() + QStringLiteral("/system")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", dataHome().toLocal8Bit());
    qputenv("XDG_STATE_HOME", (m_dir.path() + QStringLiteral("/state")).toLocal8Bit());
    // Windows keeps data, state and the lock in one folder of the user's.
    qputenv("LOCALAPPDATA", dataHome().toLocal8Bit());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configFolder());
#ifdef Q_OS_WIN
    // Qt's own texts come from the program folder's translations, where Windows has no system copy.
    QDir(programFolder()).mkpath(QStringLiteral("translations"));
    for (const QFileInfo& catalogue :
         QDir(QStringLiteral(PROGRAM_DIR "/translations")).entryInfoList(QDir::Files))
        QFile::copy(catalogue.filePath(),
                    programFolder() + QStringLiteral("/translations/") + catalogue.fileName());
    m_registryRoot =
        QStringLiteral("HKEY_CURRENT_USER\\Software\\Pinsola tests\\") + QFileInfo(m_dir.path()).fileName();
    m_registryScope.emplace(SettingsFiles::registryRootSeam, m_registryRoot);
#endif
}

TempHome::~TempHome() {
    if (!m_registryRoot.isEmpty())
        QSettings(m_registryRoot, QSettings::NativeFormat).clear();
    qputenv("XDG_CONFIG_HOME", m_oldConfigHome);
    qputenv("XDG_DATA_HOME", m_oldDataHome);
    qputenv("XDG_STATE_HOME", m_oldStateHome);
    qputenv("XDG_RUNTIME_DIR", m_oldRuntimeDir);
    qputenv("XDG_CONFIG_DIRS", m_oldConfigDirs);
    qputenv("LOCALAPPDATA", m_oldLocalAppData);
}

QString TempHome::configFolder() const {
    return m_dir.path() + QStringLiteral("/config");
}

QString TempHome::dataHome() const {
    return m_dir.path() + QStringLiteral("/data");
}

QString TempHome::programFolder() const {
    return m_dir.path() + QStringLiteral("/program");
}

QString TempHome::settingsFile() const {
    return configFolder() + QStringLiteral("/Pinsola/Pinsola.conf");
}

std::unique_ptr<QSettings> TempHome::userSettings() const {
    if (m_registryRoot.isEmpty())
        return std::make_unique<QSettings>(settingsFile(), QSettings::IniFormat);
    return std::make_unique<QSettings>(SettingsFiles::userLocation(QStringLiteral("Pinsola")),
                                       QSettings::NativeFormat);
}

bool TempHome::hasUserSettings() const {
    return m_registryRoot.isEmpty() ? QFile::exists(settingsFile()) : !userSettings()->allKeys().isEmpty();
}

QStringList TempHome::storedSettings() const {
    const std::unique_ptr<QSettings> settings = userSettings();
    QStringList lines;
    for (const QString& key : settings->allKeys())
        lines << key + QLatin1Char('=') + settings->value(key).toString();
    lines.sort();
    return lines;
}

void TempHome::storeOption(const QString& key, const QString& value) const {
    userSettings()->setValue(QStringLiteral("Optionen/") + key, value);
}

QString TempHome::systemSettingsFile() const {
    return m_dir.path() + QStringLiteral("/system/Pinsola/Pinsola.conf");
}

void TempHome::storeSystemOption(const QString& key, const QString& value) const {
    if (m_registryRoot.isEmpty()) {
        QSettings(systemSettingsFile(), QSettings::IniFormat)
            .setValue(QStringLiteral("Optionen/") + key, value);
        return;
    }
    QSettings(m_registryRoot + QStringLiteral("\\HKLM\\Software\\VB and VBA Program Settings\\Pinsola"),
              QSettings::NativeFormat)
        .setValue(QStringLiteral("Optionen/") + key, value);
}

void TempHome::installGermanAndEnglish() const {
    Allgemein::LangFile = {};
    for (int index : {0, 1}) {
        const QString file = QString::fromLatin1(index == 0 ? "deutsch.lng" : "english.lng");
        QFile::copy(QStringLiteral(PROGRAM_DIR "/") + file, programFolder() + QStringLiteral("/") + file);
        Allgemein::LangFile[index] = programFolder() + QStringLiteral("/") + file;
    }
}
