#include "platform/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>
#include <functional>

#ifdef Q_OS_WIN
#include <QLockFile>
#include <memory>
#else
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
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
#else
// The kernel's lock on the open file: it ends with the process however that ends, and taking it writes
// nothing. QLockFile flushes its file to the disk first, which on a spinning disk held up every start.
using HeldLock = std::optional<int>;

Lock take(HeldLock& held, const QString& path) {
    const int file = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (file < 0)
        return Lock::Impossible;
    if (::flock(file, LOCK_EX | LOCK_NB) == 0) {
        held = file;
        return Lock::Taken;
    }
    const int error = errno;
    ::close(file);
    return error == EWOULDBLOCK ? Lock::HeldByAnother : Lock::Impossible;
}
#endif

Lock takeIn(HeldLock& held, const QString& folder, const QString& appName) {
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return Lock::Impossible;
    return take(held, folder + QLatin1Char('/') + appName + QStringLiteral(".lock"));
}
} // namespace

// The lock lies in the per-user configuration folder, which is the same for every session of the user
// whatever its environment; a runtime folder is not (a start without XDG_RUNTIME_DIR put its lock
// elsewhere and ran as a second copy). Only where that folder takes no lock do the others serve.
bool SingleInstance::anotherIsRunning(const QString& appName) {
    static HeldLock held;
    if (held)
        return false;
    const std::function<QString()> folders[] = {
        [&] {
            return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                   QLatin1Char('/') + appName;
        },
        [] { return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation); },
        [] { return QDir::tempPath(); }};
    for (const auto& folder : folders) {
        const Lock result = takeIn(held, folder(), appName);
        if (result != Lock::Impossible)
            return result == Lock::HeldByAnother;
    }
    return false;
}
