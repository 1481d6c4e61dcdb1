// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/UserFolders.h"

#include <QDir>
#include <QStandardPaths>

namespace {
// The system's known folder, unless the environment names another.
QString localAppData() {
    const QString configured = qEnvironmentVariable("LOCALAPPDATA");
    if (QDir::isAbsolutePath(configured))
        return QDir::fromNativeSeparators(configured);
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}
} // namespace

QString UserFolders::data() {
    return localAppData();
}

QString UserFolders::state() {
    return localAppData();
}

QString UserFolders::config() {
    return localAppData();
}
