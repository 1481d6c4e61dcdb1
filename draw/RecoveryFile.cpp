// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/RecoveryFile.h"

#include "formats/PictureFile.h"
#include "platform/UserFolders.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

QString RecoveryFile::path() {
    return UserFolders::state() + QStringLiteral("/Pinsola/drawing.bmp");
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
