// SPDX-License-Identifier: GPL-3.0-or-later
#include "SystemPaths.h"

#include <QDir>
#include <QStandardPaths>

#include <iterator>
#include <qt_windows.h>

QString brizel::libraryPath() {
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCWSTR>(&libraryPath), &module))
        return {};
    wchar_t path[32768];
    const DWORD length = GetModuleFileNameW(module, path, DWORD(std::size(path)));
    if (length == 0 || length == std::size(path))
        return {};
    return QDir::fromNativeSeparators(QString::fromWCharArray(path, int(length)));
}

QString brizel::userConfigFolder() {
    const QString configured = qEnvironmentVariable("LOCALAPPDATA");
    if (QDir::isAbsolutePath(configured))
        return QDir::fromNativeSeparators(configured);
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}
