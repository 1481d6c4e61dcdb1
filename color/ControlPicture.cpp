// SPDX-License-Identifier: GPL-3.0-or-later
#include "color/ControlPicture.h"

#include "base/StoredValue.h"
#include "base/VbError.h"
#include "core/Resources.h"

#include <QBuffer>
#include <QFile>
#include <utility>

namespace {

QImage decodeInline(const QString& text) {
    const QByteArray data =
        QByteArray::fromBase64(text.mid(StoredValue::PictureDataPrefix.size()).toLatin1());
    return QImage::fromData(data, "PNG");
}
} // namespace

ControlPicture::ControlPicture(QImage image, QString source)
    : m_image(std::move(image)), m_source(std::move(source)) {}

ControlPicture::Ref ControlPicture::fromText(const QString& text) {
    if (text.isEmpty())
        return nullptr;
    if (text.startsWith(StoredValue::PictureDataPrefix)) {
        QImage image = decodeInline(text);
        if (image.isNull())
            VbError::raise(VbErr::InvalidPicture);
        return std::make_shared<const ControlPicture>(std::move(image), QString());
    }
    if (!QFile::exists(text))
        VbError::raise(VbErr::FileNotFound);
    QImage image = Resources::picture(text);
    if (image.isNull())
        VbError::raise(VbErr::InvalidPicture);
    return std::make_shared<const ControlPicture>(std::move(image), text);
}

ControlPicture::Ref ControlPicture::fromImage(const QImage& image) {
    return std::make_shared<const ControlPicture>(image, QString());
}

QString ControlPicture::toText() const {
    if (!m_source.isEmpty())
        return m_source;
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    m_image.save(&buffer, "PNG");
    return StoredValue::PictureDataPrefix + QString::fromLatin1(data.toBase64());
}

QString pictureText(const ControlPicture::Ref& picture) {
    return picture ? picture->toText() : QString();
}
