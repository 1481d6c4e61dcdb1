// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramFolder.h"

#include "platform/UserFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTemporaryFile>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

Q_LOGGING_CATEGORY(lcProgramFolder, "pinsola.folder")

namespace {
// The permission bits decide, not access(): root may write anywhere, yet a folder installed without write
// permission is not meant to be written, by root neither.
bool permissionBitsAllowWriting(const QFileInfo& folder) {
#ifdef Q_OS_UNIX
    if (folder.ownerId() == geteuid())
        return folder.permission(QFileDevice::WriteOwner);
    if (folder.groupId() == getegid())
        return folder.permission(QFileDevice::WriteGroup);
    return folder.permission(QFileDevice::WriteOther);
#else
    return folder.isWritable();
#endif
}

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
    if (!isInstalled(program) && permissionBitsAllowWriting(QFileInfo(program)) && canCreateFileIn(program))
        return program;
    QString data = UserFolders::data() + QStringLiteral("/Pinsola");
    if (!QDir().mkpath(data))
        qCWarning(lcProgramFolder) << "cannot create the user's data folder" << data;
    return data;
}

QString ProgramFolder::programName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}
