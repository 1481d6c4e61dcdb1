// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/UserFolders.h"

#include <QDir>
#include <QStandardPaths>

QString UserFolders::data() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

// Qt knows no state folder; a relative path there is to be ignored, as the XDG rules say.
QString UserFolders::state() {
    const QString configured = qEnvironmentVariable("XDG_STATE_HOME");
    return QDir::isAbsolutePath(configured) ? configured : QDir::homePath() + QStringLiteral("/.local/state");
}

QString UserFolders::config() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}
