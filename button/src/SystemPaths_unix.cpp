// SPDX-License-Identifier: GPL-3.0-or-later
#include "SystemPaths.h"

#include <QStandardPaths>

#include <dlfcn.h>

QString brizel::libraryPath() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&libraryPath), &info) == 0 || !info.dli_fname)
        return {};
    return QString::fromLocal8Bit(info.dli_fname);
}

QString brizel::userConfigFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}
