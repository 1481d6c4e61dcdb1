// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/InstanceLock.h"

#include <QDir>
#include <qt_windows.h>

// The file opened for this process alone and deleted as its handle closes: the system closes it when the
// process ends in any way. A lock that names its holder's process number (Qt's lock file) was taken for
// held when that number went to another process, and the program then never started again.
InstanceLock::Result InstanceLock::take(const QString& path, std::unique_ptr<InstanceLock>& held) {
    const HANDLE file = ::CreateFileW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(path).utf16()),
                                      GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return ::GetLastError() == ERROR_SHARING_VIOLATION ? Result::HeldByAnother : Result::Impossible;
    held.reset(new InstanceLock(path, reinterpret_cast<qintptr>(file)));
    return Result::Taken;
}

InstanceLock::~InstanceLock() {
    ::CloseHandle(reinterpret_cast<HANDLE>(m_handle));
}
