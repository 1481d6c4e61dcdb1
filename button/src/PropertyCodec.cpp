#include "PropertyCodec.h"

#include <QBuffer>
#include <QStringList>
#include <cmath>

namespace brizel::PropertyCodec {

namespace {

const QLatin1String DataPrefix("data:image/png;base64,");

} // namespace

std::optional<int32_t> toLong(const QVariant& value) {
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? -1 : 0;
    const QString text = value.toString().trimmed();
    bool ok = false;
    const qlonglong number = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                                 ? text.mid(2).toLongLong(&ok, 16)
                                 : text.toLongLong(&ok, 10);
    if (!ok || number < INT32_MIN || number > UINT32_MAX)
        return std::nullopt;
    return int32_t(uint32_t(number & 0xFFFFFFFF));
}

std::optional<VBool> toBool(const QVariant& value) {
    const QString text = value.toString().trimmed();
    if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return True;
    if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return False;
    const std::optional<int32_t> number = toLong(value);
    if (!number)
        return std::nullopt;
    return *number != 0 ? True : False;
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
    return DataPrefix + QString::fromLatin1(png.toBase64());
}

Picture pictureFrom(const QString& text) {
    if (text.startsWith(DataPrefix)) {
        QImage image;
        image.loadFromData(QByteArray::fromBase64(text.mid(DataPrefix.size()).toLatin1()), "PNG");
        return Picture::fromImage(image);
    }
    return Picture::fromFile(text);
}

} // namespace brizel::PropertyCodec
