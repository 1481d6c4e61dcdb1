// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/RecoveryFile.h"

#include "formats/PictureFile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace {
// The XDG base directory for state; a relative path there is to be ignored.
QString stateHome() {
#ifdef Q_OS_WIN
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#else
    const QString configured = qEnvironmentVariable("XDG_STATE_HOME");
    return QDir::isAbsolutePath(configured) ? configured : QDir::homePath() + QStringLiteral("/.local/state");
#endif
}
} // namespace

QString RecoveryFile::path() {
    return stateHome() + QStringLiteral("/Pinsola/drawing.bmp");
}

bool RecoveryFile::write(const QImage& picture) {
    const QString target = path();
    if (!QDir().mkpath(QFileInfo(target).path()))
        return false;
    QSaveFile file(target);
    return file.open(QIODevice::WriteOnly) &&
           picture.convertToFormat(QImage::Format_RGB888).save(&file, "BMP") && file.commit();
}

QImage RecoveryFile::read() {
    return PictureFile::load(path());
}

void RecoveryFile::remove() {
    QFile::remove(path());
}
