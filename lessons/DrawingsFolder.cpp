// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/DrawingsFolder.h"

#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

QString DrawingsFolder::path() {
    return ProgramFolder::writablePath() + QStringLiteral("/pics");
}

QString DrawingsFolder::resolve(const QString& name) {
    if (name.isEmpty() || QFileInfo(name).isAbsolute())
        return name;
    return QDir(path()).filePath(name);
}
