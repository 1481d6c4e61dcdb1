// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Shell.h"

#include "base/VbError.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

bool Shell::open(const QString& target) {
    if (const auto& opener = openSeam.standIn())
        return opener(target);
    const QUrl url = QFileInfo(target).isAbsolute() ? QUrl::fromLocalFile(target) : QUrl(target);
    return QDesktopServices::openUrl(url);
}

void Shell::execute(const QString& target) {
    if (!open(target))
        throw VbError(VbErr::PathFileAccess, QStringLiteral("No program could open %1").arg(target));
}
