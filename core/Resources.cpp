#include "core/Resources.h"

#include "base/VbError.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
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
} // namespace

QImage Resources::LoadResPicture(int id, PictureKind kind) {
    const bool bitmap = kind == PictureKind::Bitmap;
    const QString path = bitmap ? pathOf(QStringLiteral("bitmap"), id, QStringLiteral("bmp"))
                                : pathOf(QStringLiteral("cursor"), id, QStringLiteral("png"));
    QByteArray data = readResource(path, id);
    QBuffer buffer(&data);
    QImageReader reader(&buffer, bitmap ? "BMP" : "PNG");
    reader.setAutoDetectImageFormat(false);
    const QImage picture = reader.read();
    if (picture.isNull())
        VbError::raise(VbErr::InvalidPicture);
    return picture;
}

QImage Resources::picture(const QString& path) {
    QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    return image.isNull() ? QImage(path) : image;
}

QString Resources::LoadResString(int id) {
    return QString::fromUtf8(readResource(pathOf(QStringLiteral("string"), id, QStringLiteral("txt")), id));
}

QByteArray Resources::LoadResData(int id, const QString& type) {
    return readResource(pathOf(type.toLower(), id, type.toLower()), id);
}

QCursor Resources::canvasCursor() {
    return QCursor(QPixmap::fromImage(LoadResPicture(101, PictureKind::Cursor)), 0, 0);
}
