// SPDX-License-Identifier: GPL-3.0-or-later
#include "Rle8BmpWriter.h"

#include "Rle8Encoder.h"

#include <QFile>
#include <QtEndian>

namespace {
constexpr quint32 FileHeaderSize = 14;
constexpr quint32 InfoHeaderSize = 40;
constexpr quint32 BiRle8 = 1;
constexpr qint32 PixelsPerMetre = 2835; // 72 dpi

template <typename T> void append(QByteArray& out, T value) {
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}
} // namespace

QByteArray Rle8BmpWriter::toBmp(const QImage& indexed) {
    const QByteArray pixels = Rle8Encoder::encode(indexed);
    if (pixels.isEmpty())
        return {};
    const auto colours = quint32(indexed.colorCount());
    const quint32 pixelOffset = FileHeaderSize + InfoHeaderSize + 4 * colours;

    QByteArray out;
    out += "BM";
    append<quint32>(out, pixelOffset + quint32(pixels.size()));
    append<quint32>(out, 0);
    append<quint32>(out, pixelOffset);

    append<quint32>(out, InfoHeaderSize);
    append<qint32>(out, indexed.width());
    append<qint32>(out, indexed.height()); // positive: rows stored bottom-up
    append<quint16>(out, 1);
    append<quint16>(out, 8);
    append<quint32>(out, BiRle8);
    append<quint32>(out, quint32(pixels.size()));
    append<qint32>(out, PixelsPerMetre);
    append<qint32>(out, PixelsPerMetre);
    append<quint32>(out, colours);
    append<quint32>(out, 0);

    for (QRgb rgb : indexed.colorTable()) {
        out += char(qBlue(rgb));
        out += char(qGreen(rgb));
        out += char(qRed(rgb));
        out += char(0);
    }
    out += pixels;
    return out;
}

bool Rle8BmpWriter::save(const QImage& indexed, const QString& path) {
    const QByteArray bytes = toBmp(indexed);
    if (bytes.isEmpty())
        return false;
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
