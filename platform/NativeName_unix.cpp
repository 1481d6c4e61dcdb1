// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NativeName.h"

#include <QCollator>
#include <QDir>
#include <QRegularExpression>
#include <algorithm>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>

// Read by the names' bytes, since Qt's listing leaves out every name that is not UTF-8.
QStringList NativeName::files(const QString& folder, const QString& pattern) {
    QList<QRegularExpression> filters;
    for (const QString& filter : QDir::nameFiltersFromString(pattern))
        filters << QRegularExpression(QRegularExpression::wildcardToRegularExpression(filter),
                                      QRegularExpression::CaseInsensitiveOption);
    const auto matches = [&](const QString& name) {
        return std::any_of(filters.begin(), filters.end(),
                           [&](const QRegularExpression& filter) { return filter.match(name).hasMatch(); });
    };
    QStringList names;
    const QByteArray path = encode(folder);
    const std::unique_ptr<DIR, int (*)(DIR*)> listing(::opendir(path.constData()), &::closedir);
    if (!listing)
        return names;
    while (const dirent* entry = ::readdir(listing.get())) {
        const QByteArray bytes(entry->d_name);
        struct stat info {};
        if (bytes.startsWith('.') || ::stat((path + '/' + bytes).constData(), &info) != 0 ||
            !S_ISREG(info.st_mode))
            continue;
        const QString name = decode(bytes);
        if (matches(shown(name)))
            names << name;
    }
    QCollator order;
    order.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(),
              [&](const QString& a, const QString& b) { return order.compare(shown(a), shown(b)) < 0; });
    return names;
}
