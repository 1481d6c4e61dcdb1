// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Seam.h"

#include <QFile>
#include <QImage>
#include <QString>
#include <functional>

// Saving a drawing into the drawings folder: plain file names only, and all or nothing, so a failed save
// never leaves a broken file nor costs the drawing it was to replace.
namespace DrawingFile {
// The typed name as a file name: ".bmp" is appended unless the name ends in exactly ".bmp".
QString withExtension(const QString& name);
// A name that stays inside the drawings folder on every system: no path separator, no leading dot, no
// control or reserved character, no device name (CON, NUL, COM1…, also followed by spaces), at most 255
// bytes in UTF-8, not blank before ".bmp" and not ending in a dot or a space.
bool isPlainName(const QString& name);
// Writes the picture to an open file as a 24-bit Windows bitmap and makes the system put it on the disk;
// raises 75 with the system's reason (a full disk…) when it cannot.
void writeBitmap(QFile& file, const QImage& picture);
// Writes the picture as a 24-bit Windows bitmap named `name` in the drawings folder, creating the folder
// when it is missing; an existing file is replaced only by the finished new one. Raises error 52 for a
// name that is not plain, 76 when the folder cannot be made, 70 when the folder or the file is
// write-protected and 75 (with the system's reason) when the new file cannot be written or take its place.
void save(const QImage& picture, const QString& name);
// Tests make the final step, putting the finished file in place, fail.
inline Seam<std::function<bool(const QString& from, const QString& to)>> replaceSeam;
} // namespace DrawingFile
