// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/LanguageFile.h"

#include "formats/IniReader.h"

#include <QFile>
#include <QFileInfo>

namespace {
const QString kSection = QString::fromLatin1(LanguageFile::Section);

bool openWithinLimit(QFile& file) {
    return QFileInfo(file.fileName()).size() <= LanguageFile::MaxSize && file.open(QIODevice::ReadOnly);
}
} // namespace

std::optional<QString> LanguageFile::text(const QString& path, const QString& key, int bufferSize) {
    QFile file(path);
    if (path.isEmpty() || !openWithinLimit(file))
        return std::nullopt;
    return IniReader::find(file, kSection, key, bufferSize);
}

QString LanguageFile::whyUnusable(const QString& path) {
    if (path.isEmpty())
        return QStringLiteral("no language file");
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("%1 is missing").arg(path);
    if (info.size() > MaxSize)
        return QStringLiteral("%1 is larger than %2 bytes").arg(path).arg(MaxSize);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("%1: %2").arg(path, file.errorString());
    if (!IniReader::holdsKeys(file, kSection))
        return QStringLiteral("%1 holds no texts").arg(path);
    return {};
}
