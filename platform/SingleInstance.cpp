#include "platform/SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <memory>

bool SingleInstance::anotherIsRunning(const QString& appName) {
    static std::unique_ptr<QLockFile> held;
    if (held)
        return false;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    auto lock = std::make_unique<QLockFile>(folder + QLatin1Char('/') + appName + QStringLiteral(".lock"));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return lock->error() == QLockFile::LockFailedError;
    held = std::move(lock);
    return false;
}
