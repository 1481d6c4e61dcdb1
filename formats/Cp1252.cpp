// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/Cp1252.h"

#include <array>

namespace {
// 0x80..0x9F; 0 marks the five unassigned bytes, which decode to the same control character.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t decodeByte(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F && kHighControls[byte - 0x80] != 0)
        return kHighControls[byte - 0x80];
    return byte;
}

char encodeChar(char16_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return static_cast<char>(ch);
    for (size_t i = 0; i < kHighControls.size(); ++i) {
        const char16_t mapped = kHighControls[i] ? kHighControls[i] : static_cast<char16_t>(0x80 + i);
        if (mapped == ch)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}
} // namespace

QString Cp1252::decode(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (char byte : bytes)
        text.append(QChar(decodeByte(static_cast<unsigned char>(byte))));
    return text;
}

QByteArray Cp1252::encode(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar ch : text)
        bytes.append(encodeChar(ch.unicode()));
    return bytes;
}
