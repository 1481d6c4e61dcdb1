// SPDX-License-Identifier: GPL-3.0-or-later
#include "PropertyCodec.h"

#include "base/StoredValue.h"
#include "base/VbError.h"

#include <QBuffer>
#include <QStringList>

namespace brizel::PropertyCodec {

// Colours and whole numbers alike: every 32-bit pattern, so a colour stored unsigned reads back.
std::optional<int32_t> toLong(const QVariant& value) {
    try {
        return static_cast<int32_t>(StoredValue::toColor(value));
    } catch (const VbError&) {
        return std::nullopt;
    }
}

std::optional<VBool> toBool(const QVariant& value) {
    try {
        return StoredValue::toBoolean(value) != 0 ? True : False;
    } catch (const VbError&) {
        return std::nullopt;
    }
}

QString fontText(const QFont& font) {
    auto flag = [](bool on) { return on ? QStringLiteral("-1") : QStringLiteral("0"); };
    const int charset = font.family().compare(QLatin1String("Wingdings"), Qt::CaseInsensitive) == 0 ? 2 : 0;
    return QStringLiteral("%1,%2,%3,%4,%5,%6")
        .arg(font.family())
        .arg(font.pointSizeF())
        .arg(flag(font.bold()), flag(font.italic()), flag(font.underline()))
        .arg(charset);
}

std::optional<QFont> fontFrom(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() < 2 || parts.size() > 6 || parts[0].trimmed().isEmpty())
        return std::nullopt;
    bool ok = false;
    const double size = parts[1].trimmed().toDouble(&ok);
    if (!ok || size <= 0 || size > 1000)
        return std::nullopt;
    QFont font(parts[0].trimmed());
    font.setPointSizeF(size);
    auto flagAt = [&](int index) {
        return index < parts.size() && toBool(parts[index].trimmed()).value_or(False) != False;
    };
    font.setBold(flagAt(2));
    font.setItalic(flagAt(3));
    font.setUnderline(flagAt(4));
    return font;
}

QString pictureText(const Picture& picture) {
    if (picture.isNull())
        return {};
    if (!picture.source.isEmpty())
        return picture.source;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.image.save(&buffer, "PNG");
    return StoredValue::PictureDataPrefix + QString::fromLatin1(png.toBase64());
}

Picture pictureFrom(const QString& text) {
    if (text.startsWith(StoredValue::PictureDataPrefix)) {
        QImage image;
        image.loadFromData(QByteArray::fromBase64(text.mid(StoredValue::PictureDataPrefix.size()).toLatin1()),
                           "PNG");
        return Picture::fromImage(image);
    }
    return Picture::fromFile(text);
}

} // namespace brizel::PropertyCodec
