// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Seam.h"
#include "platform/ProgramFolder.h"

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <optional>

// A fresh per-user configuration folder, data and state folders (not created), runtime folder and program
// folder for one test; all are restored after it.
class TempHome {
public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    QString configFolder() const;
    // $XDG_DATA_HOME.
    QString dataHome() const;
    QString programFolder() const;
    // The settings file of the program's store (Linux).
    QString settingsFile() const;
    // The program's own store, a file on Linux and a registry key of this test's own on Windows; whether
    // anything is stored there, and all of it as "key=value" lines.
    std::unique_ptr<QSettings> userSettings() const;
    bool hasUserSettings() const;
    QStringList storedSettings() const;
    // Copies the shipped German and English language files into the program folder and makes them the
    // program's files 0 and 1; no other language has a file.
    void installGermanAndEnglish() const;
    // Writes one key of section "Optionen" straight into the settings file, as a user could.
    void storeOption(const QString& key, const QString& value) const;
    // The machine-wide settings file ($XDG_CONFIG_DIRS points at this test's own folder, empty at first)
    // and one key written into it, as a school's administrator would.
    QString systemSettingsFile() const;
    void storeSystemOption(const QString& key, const QString& value) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_oldConfigHome;
    QByteArray m_oldDataHome;
    QByteArray m_oldStateHome;
    QByteArray m_oldRuntimeDir;
    QByteArray m_oldConfigDirs;
    QByteArray m_oldLocalAppData;
    // Windows: the registry key under which this test's stores lie.
    QString m_registryRoot;
    std::optional<Seam<QString>::Scope> m_registryScope;
    decltype(ProgramFolder::pathSeam)::Scope m_programFolder{ProgramFolder::pathSeam, programFolder()};
};
