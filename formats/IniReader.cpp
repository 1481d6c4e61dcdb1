// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/IniReader.h"

#include "formats/Cp1252.h"

#include <QFile>
#include <functional>

namespace {
QString withoutTrailingBlanks(QString text) {
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

// The line's section name when it is a section line.
bool sectionOf(const QByteArray& line, QByteArray& name) {
    if (!line.startsWith('['))
        return false;
    const qsizetype close = line.indexOf(']');
    name = (close < 0 ? line.mid(1) : line.mid(1, close - 1)).trimmed();
    return true;
}

// Hands each key=value line of the section to `visit` (name and value without surrounding blanks) until it
// answers false.
void forEachKey(QIODevice& file, const QString& section,
                const std::function<bool(const QByteArray&, const QByteArray&)>& visit) {
    bool inSection = false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        QByteArray name;
        if (sectionOf(line, name)) {
            inSection = Cp1252::decode(name).compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (inSection && equals >= 0 && !visit(line.left(equals).trimmed(), line.mid(equals + 1).trimmed()))
            return;
    }
}
} // namespace

QString IniReader::readKey(const QString& fileName, const QString& section, const QString& key,
                           const QString& fallback, int bufferSize) {
    QFile file(fileName);
    if (fileName.isEmpty() || !file.open(QIODevice::ReadOnly))
        return withoutTrailingBlanks(fallback).left(qMax(0, bufferSize - 1));
    return readKey(file, section, key, fallback, bufferSize);
}

QString IniReader::readKey(QIODevice& file, const QString& section, const QString& key,
                           const QString& fallback, int bufferSize) {
    if (std::optional<QString> value = find(file, section, key, bufferSize))
        return *value;
    return withoutTrailingBlanks(fallback).left(qMax(0, bufferSize - 1));
}

std::optional<QString> IniReader::find(QIODevice& file, const QString& section, const QString& key,
                                       int bufferSize) {
    std::optional<QString> found;
    forEachKey(file, section, [&](const QByteArray& name, const QByteArray& value) {
        if (Cp1252::decode(name).compare(key, Qt::CaseInsensitive) != 0)
            return true;
        found = Cp1252::decode(value).left(qMax(0, bufferSize - 1));
        return false;
    });
    return found;
}

bool IniReader::holdsKeys(QIODevice& file, const QString& section) {
    bool holds = false;
    forEachKey(file, section, [&](const QByteArray&, const QByteArray&) {
        holds = true;
        return false;
    });
    return holds;
}
