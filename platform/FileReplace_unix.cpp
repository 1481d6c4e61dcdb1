// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileReplace.h"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

bool FileReplace::replace(const QString& from, const QString& to) {
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

QString FileReplace::flushToDisk(QFile& file) {
    if (::fsync(file.handle()) == 0)
        return {};
    return QString::fromLocal8Bit(std::strerror(errno));
}
