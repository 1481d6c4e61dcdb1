// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <cstdint>

// Builds RIFF WAVE images for tests, and reads the fields of their "fmt " chunk.
namespace WavImage {
struct Format {
    uint16_t formatTag = 1; // 1 PCM, 2 Microsoft ADPCM
    uint16_t channels = 1;
    uint32_t rate = 22050;
    uint16_t bitsPerSample = 8;
};

// A PCM file: a 16-byte "fmt " chunk and a "data" chunk holding `samples`.
QByteArray pcm(const Format& format, const QByteArray& samples);
// The "fmt " chunk's fields of a RIFF WAVE image; false when there is none.
bool readFormat(const QByteArray& image, Format& format);
} // namespace WavImage
