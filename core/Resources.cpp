// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Resources.h"

#include "base/VbError.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

namespace {
QString pathOf(const QString& kind, int id, const QString& suffix) {
    return QStringLiteral(":/%1/%2.%3").arg(kind).arg(id).arg(suffix);
}

[[noreturn]] void notFound(int id) {
    throw VbError(VbErr::ResourceNotFound, QStringLiteral("Resource with identifier '%1' not found").arg(id));
}

QByteArray readResource(const QString& path, int id) {
    QFile resource(path);
    if (!resource.open(QIODevice::ReadOnly))
        notFound(id);
    return resource.readAll();
}

// Reads in the format given only: asking the image plugins to recognise the data loads every plugin there is.
QImage readAs(QIODevice* device, const char* format) {
    QImageReader reader(device, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}
} // namespace

QImage Resources::LoadResPicture(int id, PictureKind kind) {
    const bool bitmap = kind == PictureKind::Bitmap;
    const QString path = bitmap ? pathOf(QStringLiteral("bitmap"), id, QStringLiteral("bmp"))
                                : pathOf(QStringLiteral("cursor"), id, QStringLiteral("png"));
    QByteArray data = readResource(path, id);
    QBuffer buffer(&data);
    QImage picture = readAs(&buffer, bitmap ? "BMP" : "PNG");
    if (picture.isNull())
        VbError::raise(VbErr::InvalidPicture);
    return picture;
}

QImage Resources::picture(const QString& path) {
    QFile file(path);
    const QImage image = readAs(&file, QFileInfo(path).suffix().toLatin1().constData());
    return image.isNull() ? QImage(path) : image;
}

QPixmap Resources::stretchedPicture(const QString& path, const QSize& size, qreal ratio) {
    QPixmap stretched((QSizeF(size) * ratio).toSize());
    stretched.setDevicePixelRatio(ratio);
    QPainter painter(&stretched);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(0, 0), size), picture(path));
    painter.end();
    return stretched;
}

QString Resources::LoadResString(int id) {
    return QString::fromUtf8(readResource(pathOf(QStringLiteral("string"), id, QStringLiteral("txt")), id));
}

QByteArray Resources::LoadResData(int id, const QString& type) {
    return readResource(pathOf(type.toLower(), id, type.toLower()), id);
}

QByteArray Resources::lessonStrokes(int id) {
    return readResource(pathOf(QStringLiteral("bitmap"), id, QStringLiteral("strokes")), id);
}

QCursor Resources::canvasCursor() {
    return QCursor(QPixmap::fromImage(LoadResPicture(101, PictureKind::Cursor)), 0, 0);
}
