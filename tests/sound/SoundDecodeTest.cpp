// SPDX-License-Identifier: GPL-3.0-or-later
#include "WavImage.h"
#include "platform/SoundPlayer.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// The output's samples as (left, right) pairs.
std::vector<std::pair<int16_t, int16_t>> frames(const QByteArray& pcm) {
    std::vector<std::pair<int16_t, int16_t>> result;
    const auto* samples = reinterpret_cast<const int16_t*>(pcm.constData());
    for (qsizetype i = 0; i + 1 < pcm.size() / qsizetype(sizeof(int16_t)); i += 2)
        result.emplace_back(samples[i], samples[i + 1]);
    return result;
}

QByteArray int16Samples(std::initializer_list<int16_t> values) {
    QByteArray bytes;
    for (int16_t value : values)
        bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
    return bytes;
}

using Frames = std::vector<std::pair<int16_t, int16_t>>;

struct DecodeCase {
    const char* name;
    WavImage::Format format;
    QByteArray samples;
    Frames expected;
};

// 8-bit PCM is unsigned with its zero at 128 and becomes value − 128 in the high byte; mono goes to both
// sides; 11025 Hz is doubled by interpolating halfway between neighbours (the last one is held).
const DecodeCase kDecodes[] = {
    {"Mono8BitAt22050",
     {1, 1, 22050, 8},
     QByteArray("\x80\xff\x00\xc0", 4),
     {{0, 0}, {32512, 32512}, {-32768, -32768}, {16384, 16384}}},
    {"Mono8BitAt11025",
     {1, 1, 11025, 8},
     QByteArray("\x80\xc0\x80\x40", 4),
     {{0, 0},
      {8192, 8192},
      {16384, 16384},
      {8192, 8192},
      {0, 0},
      {-8192, -8192},
      {-16384, -16384},
      {-16384, -16384}}},
    {"Stereo16BitAt22050",
     {1, 2, 22050, 16},
     int16Samples({100, -100, 200, -7, 32767, -32768}),
     {{100, -100}, {200, -7}, {32767, -32768}}},
    {"Stereo16BitAt11025",
     {1, 2, 11025, 16},
     int16Samples({0, 1000, 1000, 0}),
     {{0, 1000}, {500, 500}, {1000, 0}, {1000, 0}}},
};

void PrintTo(const DecodeCase& c, std::ostream* out) {
    *out << c.name;
}

class SoundDecodeCases : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(SoundDecodeCases, ConvertsToTheOutputFormat) {
    const DecodeCase& c = GetParam();
    const std::optional<QByteArray> pcm = SoundPlayer::decode(WavImage::pcm(c.format, c.samples));
    ASSERT_TRUE(pcm.has_value());
    EXPECT_EQ(frames(*pcm), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Formats, SoundDecodeCases, ::testing::ValuesIn(kDecodes),
                         [](const auto& row) { return std::string(row.param.name); });

struct BadCase {
    const char* name;
    QByteArray image;
};

// Data that is no playable short sound is refused, never a crash.
const BadCase kBadImages[] = {
    {"Empty", QByteArray()},
    {"Text", QByteArray("[Lang]\r\n0100=Pinsola\r\n")},
    {"RiffWithoutChunks", QByteArray("RIFF\x04\x00\x00\x00WAVE", 12)},
    {"TruncatedHeader", WavImage::pcm({1, 1, 11025, 8}, QByteArray(100, '\x80')).left(30)},
    {"NoSamples", WavImage::pcm({1, 1, 11025, 8}, QByteArray())},
    {"NoChannels", WavImage::pcm({1, 0, 11025, 8}, QByteArray(100, '\x80'))},
    {"UnknownFormatTag", WavImage::pcm({0x1234, 1, 11025, 8}, QByteArray(100, '\x80'))},
    {"LongerThanTenSeconds", WavImage::pcm({1, 1, 8000, 8}, QByteArray(8000 * 10 + 1, '\x80'))},
};

void PrintTo(const BadCase& c, std::ostream* out) {
    *out << c.name;
}

class SoundDecodeRefusals : public ::testing::TestWithParam<BadCase> {};

TEST_P(SoundDecodeRefusals, GiveNoSound) {
    EXPECT_FALSE(SoundPlayer::decode(GetParam().image).has_value());
}

INSTANTIATE_TEST_SUITE_P(BadImages, SoundDecodeRefusals, ::testing::ValuesIn(kBadImages),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(SoundDecode, TenSecondsAreStillPlayed) {
    const auto pcm = SoundPlayer::decode(WavImage::pcm({1, 1, 8000, 8}, QByteArray(8000 * 10, '\x80')));
    ASSERT_TRUE(pcm.has_value());
    EXPECT_EQ(frames(*pcm).size(), 22050u * 10);
}

} // namespace
