// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

// The single-instance lock on a file: held by the system for the holder's process, so a copy that crashed
// leaves none behind, whatever process later gets its number.
class InstanceLock {
public:
    enum class Result { Taken, HeldByAnother, Impossible };

    // The lock held, or why not: another holds it, or the file cannot be made.
    static Result take(const QString& path, std::unique_ptr<InstanceLock>& held);
    // Lets go of the lock and removes its file.
    ~InstanceLock();

    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

private:
    InstanceLock(const QString& path, qintptr handle) : m_path(path), m_handle(handle) {}
    QString m_path;
    qintptr m_handle;
};
