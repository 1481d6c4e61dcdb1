// SPDX-License-Identifier: GPL-3.0-or-later
#include "WavImage.h"
#include "platform/SoundPlayer.h"

#include <QFile>
#include <QTemporaryFile>
#include <gtest/gtest.h>
#include <sndfile.h>

namespace {

struct SoundCase {
    int id;
    WavImage::Format header;
    int sndfileSubtype;
};

// The seven sounds: Microsoft ADPCM (4 bits a sample) for 102, 8-bit PCM for the others.
const SoundCase kSounds[] = {
    {101, {1, 1, 11025, 8}, SF_FORMAT_PCM_U8}, {102, {2, 2, 22050, 4}, SF_FORMAT_MS_ADPCM},
    {103, {1, 1, 11025, 8}, SF_FORMAT_PCM_U8}, {104, {1, 1, 11025, 8}, SF_FORMAT_PCM_U8},
    {105, {1, 1, 22050, 8}, SF_FORMAT_PCM_U8}, {106, {1, 1, 11025, 8}, SF_FORMAT_PCM_U8},
    {107, {1, 1, 22050, 8}, SF_FORMAT_PCM_U8},
};

QByteArray resource(int id) {
    QFile file(QStringLiteral(":/wav/%1.wav").arg(id));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void PrintTo(const SoundCase& c, std::ostream* out) {
    *out << c.id;
}

class SoundResourceTest : public ::testing::TestWithParam<SoundCase> {};

TEST_P(SoundResourceTest, HeaderStatesTheFormatOfItsOccasion) {
    const SoundCase& sound = GetParam();
    WavImage::Format header;
    ASSERT_TRUE(WavImage::readFormat(resource(sound.id), header));
    EXPECT_EQ(header.formatTag, sound.header.formatTag);
    EXPECT_EQ(header.channels, sound.header.channels);
    EXPECT_EQ(header.rate, sound.header.rate);
    EXPECT_EQ(header.bitsPerSample, sound.header.bitsPerSample);
}

TEST_P(SoundResourceTest, LibsndfileDecodesAQuarterSecondOrLess) {
    const SoundCase& sound = GetParam();
    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    file.write(resource(sound.id));
    file.close();
    SF_INFO info{};
    SNDFILE* handle = sf_open(QFile::encodeName(file.fileName()).constData(), SFM_READ, &info);
    ASSERT_NE(handle, nullptr) << sf_strerror(nullptr);
    std::vector<short> samples(size_t(info.frames * info.channels));
    const sf_count_t read = sf_readf_short(handle, samples.data(), info.frames);
    sf_close(handle);

    EXPECT_EQ(info.format, SF_FORMAT_WAV | sound.sndfileSubtype);
    EXPECT_EQ(info.channels, sound.header.channels);
    EXPECT_EQ(info.samplerate, int(sound.header.rate));
    EXPECT_EQ(read, info.frames);
    EXPECT_GT(info.frames, 0);
    EXPECT_LE(double(info.frames) / info.samplerate, 0.25);
    EXPECT_TRUE(std::any_of(samples.begin(), samples.end(), [](short s) { return std::abs(s) > 3000; }))
        << "audible";
}

TEST_P(SoundResourceTest, PlayerDecodesItToTheOutputFormat) {
    const SoundCase& sound = GetParam();
    const std::optional<QByteArray> pcm = SoundPlayer::decode(resource(sound.id));
    ASSERT_TRUE(pcm.has_value());
    const double seconds = double(pcm->size()) / SoundPlayer::outputFormat().bytesForFrames(1) /
                           SoundPlayer::outputFormat().sampleRate();
    EXPECT_GT(seconds, 0.05);
    EXPECT_LE(seconds, 0.25);
}

INSTANTIATE_TEST_SUITE_P(Sounds, SoundResourceTest, ::testing::ValuesIn(kSounds),
                         [](const auto& row) { return std::to_string(row.param.id); });

} // namespace
