// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/InstanceLock.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Whether the open file is still the one at `path`: a copy that ends removes its lock file, and a lock
// taken on the removed file would let another copy take a new one.
bool stillAt(int file, const QString& path) {
    struct stat open {};
    struct stat named {};
    return ::fstat(file, &open) == 0 && ::stat(QFile::encodeName(path).constData(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}
} // namespace

// The kernel's lock on the open file: it ends with the process however that ends, and taking it writes
// nothing. QLockFile flushes its file to the disk first, which on a spinning disk held up every start.
InstanceLock::Result InstanceLock::take(const QString& path, std::unique_ptr<InstanceLock>& held) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int file = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (file < 0)
            return Result::Impossible;
        if (::flock(file, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(file);
            return error == EWOULDBLOCK ? Result::HeldByAnother : Result::Impossible;
        }
        if (stillAt(file, path)) {
            held.reset(new InstanceLock(path, file));
            return Result::Taken;
        }
        ::close(file);
    }
    return Result::Impossible;
}

// Removed while still held, so no copy starting now takes the old file.
InstanceLock::~InstanceLock() {
    ::unlink(QFile::encodeName(m_path).constData());
    ::close(int(m_handle));
}
