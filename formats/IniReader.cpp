#include "formats/IniReader.h"

#include "formats/Cp1252.h"

#include <QFile>

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
    const int limit = qMax(0, bufferSize - 1);
    bool inSection = false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        QByteArray name;
        if (sectionOf(line, name)) {
            inSection = Cp1252::decode(name).compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (!inSection || equals < 0)
            continue;
        if (Cp1252::decode(line.left(equals).trimmed()).compare(key, Qt::CaseInsensitive) == 0)
            return Cp1252::decode(line.mid(equals + 1).trimmed()).left(limit);
    }
    return withoutTrailingBlanks(fallback).left(limit);
}
