// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

// Opens a picture file that may come from anywhere (copied by a parent, downloaded, damaged). The file is
// read once and checked before it is decoded: a header that claims a huge picture, a file cut short or
// damaged, or one that is no picture at all is refused with a clear description instead of being decoded,
// so opening it can neither hang the program nor exhaust its memory.
namespace PictureFile {
// The largest width and height accepted, and the largest decoded picture in MiB.
constexpr int MaxSide = 16384;
constexpr int MaxDecodedMiB = 128;

// Raises 53 when the file is missing, 70 when it cannot be read and 481 (with the reason) when it is no
// picture that may be shown.
QImage load(const QString& path);
// The same checks and decoding for a file's bytes already read; `path` names the file in a refusal.
QImage decode(const QByteArray& bytes, const QString& path);
} // namespace PictureFile
