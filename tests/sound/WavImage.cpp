// SPDX-License-Identifier: GPL-3.0-or-later
#include "WavImage.h"

#include <QtEndian>

namespace {
void append16(QByteArray& bytes, uint16_t value) {
    char little[2];
    qToLittleEndian(value, little);
    bytes.append(little, 2);
}

void append32(QByteArray& bytes, uint32_t value) {
    char little[4];
    qToLittleEndian(value, little);
    bytes.append(little, 4);
}
} // namespace

QByteArray WavImage::pcm(const Format& format, const QByteArray& samples) {
    const uint16_t blockAlign = format.channels * format.bitsPerSample / 8;
    QByteArray image("RIFF");
    append32(image, uint32_t(4 + 8 + 16 + 8 + samples.size()));
    image.append("WAVEfmt ");
    append32(image, 16);
    append16(image, format.formatTag);
    append16(image, format.channels);
    append32(image, format.rate);
    append32(image, format.rate * blockAlign);
    append16(image, blockAlign);
    append16(image, format.bitsPerSample);
    image.append("data");
    append32(image, uint32_t(samples.size()));
    return image + samples;
}

bool WavImage::readFormat(const QByteArray& image, Format& format) {
    if (!image.startsWith("RIFF") || image.mid(8, 4) != "WAVE")
        return false;
    const auto* bytes = reinterpret_cast<const uchar*>(image.constData());
    for (qsizetype chunk = 12; chunk + 8 <= image.size();) {
        const uint32_t size = qFromLittleEndian<uint32_t>(bytes + chunk + 4);
        if (image.mid(chunk, 4) == "fmt " && size >= 16 && chunk + 8 + 16 <= image.size()) {
            const uchar* fields = bytes + chunk + 8;
            format = {qFromLittleEndian<uint16_t>(fields), qFromLittleEndian<uint16_t>(fields + 2),
                      qFromLittleEndian<uint32_t>(fields + 4), qFromLittleEndian<uint16_t>(fields + 14)};
            return true;
        }
        chunk += 8 + size + (size & 1);
    }
    return false;
}
