// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PlainFile.h"

#include <QFile>
#include <QFileInfo>

PlainFile::Opening PlainFile::open(QFile& file, const QString& path, qint64& size) {
    const QFileInfo info(path);
    if (!info.exists())
        return Opening::Missing;
    if (!info.isFile())
        return Opening::NotAFile;
    size = info.size();
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly) ? Opening::Opened : Opening::Unreadable;
}
