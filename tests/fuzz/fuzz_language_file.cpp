// SPDX-License-Identifier: GPL-3.0-or-later
// The language-file reader: any bytes a language file may hold, read for keys of its section and others.
#include "formats/IniReader.h"

#include <QBuffer>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer file(&bytes);
    for (const char* key : {"0100", "0132", "1", ""}) {
        for (const int bufferSize : {0, 5, 255}) {
            file.open(QIODevice::ReadOnly);
            const QString value = IniReader::readKey(file, QStringLiteral("Lang"), QString::fromLatin1(key),
                                                     QStringLiteral("none "), bufferSize);
            file.close();
            if (value.size() > qMax(0, bufferSize - 1))
                std::abort();
        }
    }
    return 0;
}
