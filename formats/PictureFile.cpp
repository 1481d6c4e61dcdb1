// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/PictureFile.h"

#include "base/VbError.h"
#include "formats/BitmapHeader.h"
#include "formats/BitmapReader.h"
#include "platform/NativeName.h"
#include "platform/PlainFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

// A bitmap file holds at most a picture of the largest decoded size, uncompressed, and its header.
constexpr qint64 MaxFileBytes = qint64{PictureFile::MaxDecodedMiB} * 1024 * 1024 + 65536;

// The formats the platform's picture loader opens besides bitmaps, which have a reader of their own; other
// decoders are not offered untrusted files.
const QList<QByteArray> Formats{"gif", "jpeg", "png"};
constexpr qint64 MaxPixels = qint64{PictureFile::MaxDecodedMiB} * 1024 * 1024 / 4;

[[noreturn]] void refuse(const QString& path, const QString& reason) {
    throw VbError(VbErr::InvalidPicture, QStringLiteral("%1: %2 (%3)")
                                             .arg(VbError::standardDescription(VbErr::InvalidPicture), reason,
                                                  NativeName::shown(QFileInfo(path).fileName())));
}

[[noreturn]] void unreadable(const QString& path) {
    throw VbError(VbErr::PermissionDenied, QStringLiteral("%1: the file cannot be read (%2)")
                                               .arg(VbError::standardDescription(VbErr::PermissionDenied),
                                                    NativeName::shown(QFileInfo(path).fileName())));
}

void refuseTooLarge(const QString& path, QSize size) {
    if (size.width() > PictureFile::MaxSide || size.height() > PictureFile::MaxSide ||
        qint64{size.width()} * size.height() * 4 > qint64{PictureFile::MaxDecodedMiB} * 1024 * 1024)
        refuse(path, QStringLiteral("it is too large (%1 × %2 pixels)").arg(size.width()).arg(size.height()));
}

QByteArray readAll(const QString& path) {
    QFile file;
    qint64 size = 0;
    switch (PlainFile::open(file, path, size)) {
    case PlainFile::Opening::Missing:
        VbError::raise(VbErr::FileNotFound);
    case PlainFile::Opening::NotAFile:
        refuse(path, QStringLiteral("it is not a file"));
    case PlainFile::Opening::Unreadable:
        unreadable(path);
    case PlainFile::Opening::Opened:
        break;
    }
    if (size > MaxFileBytes)
        refuse(path, QStringLiteral("the file is too large"));
    QByteArray bytes = file.read(MaxFileBytes + 1);
    if (bytes.size() > MaxFileBytes)
        refuse(path, QStringLiteral("the file is too large"));
    return bytes;
}

} // namespace

QImage PictureFile::load(const QString& path) {
    return decode(readAll(path), path);
}

QImage PictureFile::decode(const QByteArray& bytes, const QString& path) {
    if (bytes.isEmpty())
        refuse(path, QStringLiteral("the file is empty"));
    if (bytes.startsWith("BM")) {
        try {
            return BitmapReader::read(bytes, MaxSide, MaxPixels);
        } catch (const BitmapRefusal& refusal) {
            refuse(path, refusal.reason);
        }
    }
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(false);
    reader.setDecideFormatFromContent(true);
    if (!Formats.contains(reader.format()))
        refuse(path, QStringLiteral("it is not a picture"));
    const QSize size = reader.size();
    if (!size.isValid())
        refuse(path, QStringLiteral("its header is damaged"));
    refuseTooLarge(path, size);
    QImageReader::setAllocationLimit(MaxDecodedMiB);
    QImage picture;
    if (!reader.read(&picture))
        refuse(path, reader.errorString());
    // The size a header gives need not be the picture's: a GIF's screen may be larger than its image.
    refuseTooLarge(path, picture.size());
    return picture;
}
