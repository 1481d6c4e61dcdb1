// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Writes an 8-bit indexed image as a Windows bitmap file with RLE8 compression (Qt writes bitmaps only
// uncompressed). Images of any other format are refused: empty bytes, or false from save().
class Rle8BmpWriter {
public:
    static QByteArray toBmp(const QImage& indexed);
    static bool save(const QImage& indexed, const QString& path);
};
