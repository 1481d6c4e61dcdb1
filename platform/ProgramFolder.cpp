// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramFolder.h"

#include "platform/UserFolders.h"
#include "platform/WritePermission.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTemporaryFile>

Q_LOGGING_CATEGORY(lcProgramFolder, "pinsola.folder")

namespace {
// A read-only file system shows writable bits; only creating a file there tells.
bool canCreateFileIn(const QString& folder) {
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".pinsola-probe-XXXXXX")));
    return probe.open();
}

// A setup program's folder is its uninstaller's to remove, writable for the user or not: what the child
// makes must not lie there.
bool isInstalled(const QString& folder) {
    return QFileInfo::exists(QDir(folder).filePath(QLatin1String(ProgramFolder::InstalledMark)));
}
} // namespace

QString ProgramFolder::path() {
    const QString& standIn = pathSeam.standIn();
    QString folder = standIn.isEmpty() ? QCoreApplication::applicationDirPath() : standIn;
    while (folder.size() > 1 && (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\'))))
        folder.chop(1);
    return folder;
}

QString ProgramFolder::writablePath() {
    QString program = path();
    if (!isInstalled(program) && WritePermission::granted(QFileInfo(program)) && canCreateFileIn(program))
        return program;
    QString data = UserFolders::data() + QStringLiteral("/Pinsola");
    if (!QDir().mkpath(data))
        qCWarning(lcProgramFolder) << "cannot create the user's data folder" << data;
    return data;
}

QString ProgramFolder::programName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}
