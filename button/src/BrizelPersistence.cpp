// SPDX-License-Identifier: GPL-3.0-or-later
// Brizel: loading from and saving to the container's property bag.
#include "Brizel.h"
#include "PropertyCodec.h"
#include "SystemColors.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcBrizelBag, "brizel.properties")

namespace brizel {

namespace {

// Reads one key; a value that cannot be understood keeps the read default and is logged.
template <typename T, typename Convert>
T readKey(const PropertyBag& bag, const char* key, T fallback, Convert convert) {
    const QVariant stored = bag.readProperty(QLatin1String(key));
    if (!stored.isValid())
        return fallback;
    const auto converted = convert(stored);
    if (!converted) {
        qCWarning(lcBrizelBag) << "ignoring unreadable value" << stored << "of key" << key;
        return fallback;
    }
    return T(*converted);
}

int32_t readLong(const PropertyBag& bag, const char* key, int32_t fallback) {
    return readKey(bag, key, fallback, PropertyCodec::toLong);
}

VBool readBool(const PropertyBag& bag, const char* key, VBool fallback) {
    return readKey(bag, key, fallback, PropertyCodec::toBool);
}

Picture readPicture(const PropertyBag& bag, const char* key) {
    const QString text = bag.readProperty(QLatin1String(key)).toString();
    const Picture picture = PropertyCodec::pictureFrom(text);
    if (!text.isEmpty() && picture.isNull())
        qCWarning(lcBrizelBag) << "cannot load picture" << text << "of key" << key;
    return picture;
}

} // namespace

void Brizel::ReadProperties(const PropertyBag& bag) {
    const uint32_t buttonFace = SystemColors::sysColor(SystemColors::ButtonFace);
    const uint32_t buttonText = SystemColors::sysColor(SystemColors::ButtonText);
    m_buttonType = readLong(bag, "BTYPE", int32_t(ButtonTypes::Windows32Bit));
    m_caption = bag.readProperty(QStringLiteral("TX"), QString()).toString();
    m_enabled = readBool(bag, "ENAB", True);
    QWidget::setFont(readKey(bag, "FONT", font(),
                             [](const QVariant& v) { return PropertyCodec::fontFrom(v.toString()); }));
    m_colorScheme = readLong(bag, "COLTYPE", int32_t(ColorTypes::UseWindows));
    m_showFocusRect = readBool(bag, "FOCUSR", True);
    m_backColor = OleColor(readLong(bag, "BCOL", int32_t(buttonFace)));
    m_backOver = OleColor(readLong(bag, "BCOLO", int32_t(m_backColor)));
    m_foreColor = OleColor(readLong(bag, "FCOL", int32_t(buttonText)));
    m_foreOver = OleColor(readLong(bag, "FCOLO", int32_t(m_foreColor)));
    m_maskColor = OleColor(readLong(bag, "MCOL", int32_t(rgb(192, 192, 192))));
    m_mousePointer = int16_t(readLong(bag, "MPTR", 0));
    m_mouseIcon = readPicture(bag, "MICON");
    applyCursor();
    m_pictureNormal = readPicture(bag, "PICN");
    m_pictureOver = readPicture(bag, "PICH");
    m_useMaskColor = readBool(bag, "UMCOL", True);
    m_softBevel = readBool(bag, "SOFT", False);
    m_picturePosition = readLong(bag, "PICPOS", int32_t(PicPositions::cbLeft));
    m_useGreyscale = readBool(bag, "NGREY", False);
    m_specialEffect = readLong(bag, "FX", int32_t(fx::cbNone));
    m_checkBoxBehaviour = readBool(bag, "CHECK", False);
    m_value = readBool(bag, "VALUE", False);
    QWidget::setEnabled(m_enabled != False);
    MeasurePicture();
    // A host may size the control before loading it; keep focus rectangle and shape in step with the style.
    updateGeometryState();
    LayoutCaption();
    UpdateAccessKey();
}

void Brizel::WriteProperties(PropertyBag& bag) const {
    bag.writeProperty(QStringLiteral("BTYPE"), qint32(m_buttonType));
    bag.writeProperty(QStringLiteral("TX"), m_caption);
    bag.writeProperty(QStringLiteral("ENAB"), qint16(m_enabled));
    bag.writeProperty(QStringLiteral("FONT"), PropertyCodec::fontText(font()));
    bag.writeProperty(QStringLiteral("COLTYPE"), qint32(m_colorScheme));
    bag.writeProperty(QStringLiteral("FOCUSR"), qint16(m_showFocusRect));
    bag.writeProperty(QStringLiteral("BCOL"), qint32(m_backColor));
    bag.writeProperty(QStringLiteral("BCOLO"), qint32(m_backOver));
    bag.writeProperty(QStringLiteral("FCOL"), qint32(m_foreColor));
    bag.writeProperty(QStringLiteral("FCOLO"), qint32(m_foreOver));
    bag.writeProperty(QStringLiteral("MCOL"), qint32(m_maskColor));
    bag.writeProperty(QStringLiteral("MPTR"), qint16(m_mousePointer));
    bag.writeProperty(QStringLiteral("MICON"), PropertyCodec::pictureText(m_mouseIcon));
    bag.writeProperty(QStringLiteral("PICN"), PropertyCodec::pictureText(m_pictureNormal));
    bag.writeProperty(QStringLiteral("PICH"), PropertyCodec::pictureText(m_pictureOver));
    bag.writeProperty(QStringLiteral("UMCOL"), qint16(m_useMaskColor));
    bag.writeProperty(QStringLiteral("SOFT"), qint16(m_softBevel));
    bag.writeProperty(QStringLiteral("PICPOS"), qint32(m_picturePosition));
    bag.writeProperty(QStringLiteral("NGREY"), qint16(m_useGreyscale));
    bag.writeProperty(QStringLiteral("FX"), qint32(m_specialEffect));
    bag.writeProperty(QStringLiteral("HAND"), qint16(False));
    bag.writeProperty(QStringLiteral("CHECK"), qint16(m_checkBoxBehaviour));
    bag.writeProperty(QStringLiteral("VALUE"), qint16(m_value));
}

} // namespace brizel
