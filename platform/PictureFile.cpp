#include "platform/PictureFile.h"

#include "base/VbError.h"
#include "platform/BitmapCheck.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

// A bitmap file holds at most a picture of the largest decoded size, uncompressed, and its header.
constexpr qint64 MaxFileBytes = qint64{PictureFile::MaxDecodedMiB} * 1024 * 1024 + 65536;

// The formats the platform's picture loader opens; other decoders are not offered untrusted files.
const QList<QByteArray> Formats{"bmp", "gif", "jpeg", "png"};

[[noreturn]] void refuse(const QString& path, const QString& reason) {
    throw VbError(VbErr::InvalidPicture, QStringLiteral("%1: %2 (%3)")
                                             .arg(VbError::standardDescription(VbErr::InvalidPicture), reason,
                                                  QFileInfo(path).fileName()));
}

QByteArray readAll(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        VbError::raise(VbErr::FileNotFound);
    // Only a plain file: reading a pipe or a device could wait forever or never end.
    if (!info.isFile())
        refuse(path, QStringLiteral("it is not a file"));
    if (info.size() > MaxFileBytes)
        refuse(path, QStringLiteral("the file is too large"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw VbError(VbErr::PermissionDenied,
                      QStringLiteral("%1: the file cannot be read (%2)")
                          .arg(VbError::standardDescription(VbErr::PermissionDenied), info.fileName()));
    QByteArray bytes = file.read(MaxFileBytes + 1);
    if (bytes.size() > MaxFileBytes)
        refuse(path, QStringLiteral("the file is too large"));
    return bytes;
}

} // namespace

QImage PictureFile::load(const QString& path) {
    const QByteArray bytes = readAll(path);
    if (bytes.isEmpty())
        refuse(path, QStringLiteral("the file is empty"));
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(false);
    reader.setDecideFormatFromContent(true);
    if (!Formats.contains(reader.format()))
        refuse(path, QStringLiteral("it is not a picture"));
    if (reader.format() == "bmp") {
        const QString problem = BitmapCheck::problem(bytes, MaxSide);
        if (!problem.isEmpty())
            refuse(path, problem);
    }
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > MaxSide || size.height() > MaxSide ||
        qint64{size.width()} * size.height() * 4 > qint64{MaxDecodedMiB} * 1024 * 1024)
        refuse(path,
               size.isValid()
                   ? QStringLiteral("it is too large (%1 × %2 pixels)").arg(size.width()).arg(size.height())
                   : QStringLiteral("its header is damaged"));
    QImageReader::setAllocationLimit(MaxDecodedMiB);
    QImage picture;
    if (!reader.read(&picture))
        refuse(path, reader.errorString());
    return picture;
}
