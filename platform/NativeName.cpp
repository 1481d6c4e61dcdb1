// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NativeName.h"

#include <cstdint>

namespace {
constexpr char16_t EscapedByte = 0xDC00;

bool isEscapedByte(const QString& name, qsizetype at) {
    const char16_t c = name.at(at).unicode();
    return c >= EscapedByte + 0x80 && c <= EscapedByte + 0xFF &&
           (at == 0 || !name.at(at - 1).isHighSurrogate());
}

// The length of the valid UTF-8 sequence starting at `at`, or 0.
int validSequence(const QByteArray& bytes, qsizetype at) {
    const auto byte = [&](qsizetype i) { return static_cast<uint8_t>(bytes.at(i)); };
    const uint8_t lead = byte(at);
    if (lead < 0x80)
        return 1;
    int length = 0;
    uint32_t code = 0;
    uint32_t least = 0;
    if ((lead & 0xE0) == 0xC0)
        length = 2, code = lead & 0x1Fu, least = 0x80;
    else if ((lead & 0xF0) == 0xE0)
        length = 3, code = lead & 0x0Fu, least = 0x800;
    else if ((lead & 0xF8) == 0xF0)
        length = 4, code = lead & 0x07u, least = 0x10000;
    if (length == 0 || at + length > bytes.size())
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(at + i) & 0x3Fu);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code < least || code > 0x10FFFF || surrogate ? 0 : length;
}
} // namespace

QString NativeName::decode(const QByteArray& bytes) {
    QString name;
    for (qsizetype at = 0; at < bytes.size();) {
        const int length = validSequence(bytes, at);
        if (length == 0) {
            name += QChar(char16_t(EscapedByte + static_cast<uint8_t>(bytes.at(at))));
            ++at;
            continue;
        }
        name += QString::fromUtf8(bytes.mid(at, length));
        at += length;
    }
    return name;
}

QByteArray NativeName::encode(const QString& name) {
    QByteArray bytes;
    qsizetype run = 0;
    for (qsizetype at = 0; at < name.size(); ++at) {
        if (!isEscapedByte(name, at))
            continue;
        bytes += name.mid(run, at - run).toUtf8();
        bytes += static_cast<char>(name.at(at).unicode() - EscapedByte);
        run = at + 1;
    }
    return bytes + name.mid(run).toUtf8();
}

QString NativeName::shown(const QString& name) {
    QString result = name;
    for (qsizetype at = 0; at < result.size(); ++at) {
        if (isEscapedByte(name, at))
            result[at] = QChar::ReplacementCharacter;
    }
    return result;
}
