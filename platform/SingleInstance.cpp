// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SingleInstance.h"

#include "platform/InstanceChannel.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <QLockFile>
#include <memory>
#else
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
enum class Lock { Taken, HeldByAnother, Impossible };

#ifdef Q_OS_WIN
using HeldLock = std::unique_ptr<QLockFile>;

Lock take(HeldLock& held, const QString& path) {
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        held = std::move(lock);
        return Lock::Taken;
    }
    return lock->error() == QLockFile::LockFailedError ? Lock::HeldByAnother : Lock::Impossible;
}

// Qt's lock file removes itself as it is unlocked.
void letGo(HeldLock& held, const QString&) {
    held.reset();
}
#else
// The kernel's lock on the open file: it ends with the process however that ends, and taking it writes
// nothing. QLockFile flushes its file to the disk first, which on a spinning disk held up every start.
using HeldLock = std::optional<int>;

// Whether the open file is still the one at `path`: a copy that ends removes its lock file, and a lock
// taken on the removed file would let another copy take a new one.
bool stillAt(int file, const QString& path) {
    struct stat open {};
    struct stat named {};
    return ::fstat(file, &open) == 0 && ::stat(QFile::encodeName(path).constData(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

Lock take(HeldLock& held, const QString& path) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int file = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (file < 0)
            return Lock::Impossible;
        if (::flock(file, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(file);
            return error == EWOULDBLOCK ? Lock::HeldByAnother : Lock::Impossible;
        }
        if (stillAt(file, path)) {
            held = file;
            return Lock::Taken;
        }
        ::close(file);
    }
    return Lock::Impossible;
}

// Removed while still held, so no copy starting now takes the old file.
void letGo(HeldLock& held, const QString& path) {
    ::unlink(QFile::encodeName(path).constData());
    ::close(*held);
    held.reset();
}
#endif

struct Instance {
    HeldLock lock;
    QString folder; // where the lock was taken or found held
    QString appName;
    QString lockFile() const { return folder + QLatin1Char('/') + appName + QStringLiteral(".lock"); }
    QString requestFile() const { return folder + QLatin1Char('/') + appName + QStringLiteral(".raise"); }
};

Instance& instance() {
    static Instance state;
    return state;
}

Lock takeIn(Instance& state, const QString& folder) {
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return Lock::Impossible;
    state.folder = folder;
    return take(state.lock, state.lockFile());
}
} // namespace

// The lock lies in the per-user configuration folder, which is the same for every session of the user
// whatever its environment; a runtime folder is not (a start without XDG_RUNTIME_DIR put its lock
// elsewhere and ran as a second copy). Only where that folder takes no lock do the others serve.
bool SingleInstance::anotherIsRunning(const QString& appName) {
    Instance& state = instance();
    if (state.lock)
        return false;
    state.appName = appName;
    const std::function<QString()> folders[] = {
        [&] {
            return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                   QLatin1Char('/') + appName;
        },
        [] { return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation); },
        [] { return QDir::tempPath(); }};
    for (const auto& folder : folders) {
        const Lock result = takeIn(state, folder());
        if (result != Lock::Impossible)
            return result == Lock::HeldByAnother;
    }
    state.folder.clear();
    return false;
}

void SingleInstance::askToComeForward() {
    if (const Instance& state = instance(); !state.lock && !state.folder.isEmpty())
        InstanceChannel::ask(state.requestFile());
}

void SingleInstance::onAskedToComeForward(QObject* context, std::function<void()> comeForward) {
    if (const Instance& state = instance(); state.lock)
        InstanceChannel::listen(state.requestFile(), context, std::move(comeForward));
}

void SingleInstance::release() {
    Instance& state = instance();
    if (!state.lock)
        return;
    QFile::remove(state.requestFile());
    letGo(state.lock, state.lockFile());
}
