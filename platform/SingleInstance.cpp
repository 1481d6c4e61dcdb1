#include "platform/SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <functional>
#include <memory>

namespace {
enum class Lock { Taken, HeldByAnother, Impossible };

Lock take(std::unique_ptr<QLockFile>& held, const QString& folder, const QString& appName) {
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return Lock::Impossible;
    auto lock = std::make_unique<QLockFile>(folder + QLatin1Char('/') + appName + QStringLiteral(".lock"));
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        held = std::move(lock);
        return Lock::Taken;
    }
    return lock->error() == QLockFile::LockFailedError ? Lock::HeldByAnother : Lock::Impossible;
}
} // namespace

// The lock lies in the per-user configuration folder, which is the same for every session of the user
// whatever its environment; a runtime folder is not (a start without XDG_RUNTIME_DIR put its lock
// elsewhere and ran as a second copy). Only where that folder takes no lock do the others serve.
bool SingleInstance::anotherIsRunning(const QString& appName) {
    static std::unique_ptr<QLockFile> held;
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
        const Lock result = take(held, folder(), appName);
        if (result != Lock::Impossible)
            return result == Lock::HeldByAnother;
    }
    return false;
}
