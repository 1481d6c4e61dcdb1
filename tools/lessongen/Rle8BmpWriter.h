#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Writes an 8-bit indexed image as a Windows bitmap file with RLE8 compression (Qt writes bitmaps only
// uncompressed).
class Rle8BmpWriter {
public:
    static QByteArray toBmp(const QImage& indexed);
    static bool save(const QImage& indexed, const QString& path);
};
