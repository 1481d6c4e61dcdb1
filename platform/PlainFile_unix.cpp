// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PlainFile.h"

#include "platform/NativeName.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

// By the name's bytes, so a name that is not UTF-8 opens as well. The type is looked at before opening,
// since opening a pipe waits for its writer.
PlainFile::Opening PlainFile::open(QFile& file, const QString& path, qint64& size) {
    const QByteArray name = NativeName::encode(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return errno == ENOENT ? Opening::Missing : Opening::Unreadable;
    if (!S_ISREG(info.st_mode))
        return Opening::NotAFile;
    size = info.st_size;
    const int handle = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (handle < 0 || !file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return Opening::Unreadable;
    return Opening::Opened;
}
