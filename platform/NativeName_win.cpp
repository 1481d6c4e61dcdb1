// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NativeName.h"

#include <QDir>

// Windows keeps every name in UTF-16, so Qt's listing has them all.
QStringList NativeName::files(const QString& folder, const QString& pattern) {
    return QDir(folder, pattern, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware, QDir::Files).entryList();
}
