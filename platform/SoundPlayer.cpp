// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SoundPlayer.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QPointer>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <sndfile.h>
#include <vector>

Q_LOGGING_CATEGORY(lcSound, "pinsola.sound")

namespace {
constexpr int kOutputRate = 22050;
constexpr int kOutputChannels = 2;
// The program's sounds last a fraction of a second; a longer one is refused rather than held in memory.
constexpr sf_count_t kMaxSeconds = 10;
// The output stream stays open this long after a sound, so the device can play the last samples.
constexpr int kReleaseMs = 1000;
// A sound server starts a stream only once it holds a minimum of data (PulseAudio: about 125 ms), so
// silence after each sound lets the shortest ones through.
constexpr int kTrailingSilenceMs = 250;
// The output buffer: large enough that a busy machine, whose event loop refills it late, does not starve
// the output in the middle of a sound; a fixed size below the trailing silence keeps the server's start
// threshold reachable by the shortest sounds.
constexpr int kBufferMs = 200;

// A WAV image in memory, read through libsndfile's virtual I/O.
struct MemoryFile {
    const QByteArray& data;
    sf_count_t position = 0;
};

MemoryFile& fileOf(void* user) {
    return *static_cast<MemoryFile*>(user);
}

sf_count_t fileLength(void* user) {
    return fileOf(user).data.size();
}

sf_count_t fileSeek(sf_count_t offset, int whence, void* user) {
    MemoryFile& file = fileOf(user);
    const sf_count_t base = whence == SEEK_CUR ? file.position : whence == SEEK_END ? file.data.size() : 0;
    file.position = std::clamp<sf_count_t>(base + offset, 0, file.data.size());
    return file.position;
}

sf_count_t fileRead(void* destination, sf_count_t count, void* user) {
    MemoryFile& file = fileOf(user);
    const sf_count_t n = std::clamp<sf_count_t>(file.data.size() - file.position, 0, count);
    std::memcpy(destination, file.data.constData() + file.position, static_cast<size_t>(n));
    file.position += n;
    return n;
}

sf_count_t fileWrite(const void*, sf_count_t, void*) {
    return 0;
}

sf_count_t fileTell(void* user) {
    return fileOf(user).position;
}

struct Decoded {
    std::vector<int16_t> samples; // interleaved
    int channels = 0;
    int rate = 0;
};

std::optional<Decoded> readSamples(const QByteArray& wavImage) {
    SF_VIRTUAL_IO io{fileLength, fileSeek, fileRead, fileWrite, fileTell};
    MemoryFile file{wavImage};
    SF_INFO info{};
    std::unique_ptr<SNDFILE, decltype(&sf_close)> sound(sf_open_virtual(&io, SFM_READ, &info, &file),
                                                        &sf_close);
    if (!sound) {
        qCDebug(lcSound) << "not a sound:" << sf_strerror(nullptr);
        return std::nullopt;
    }
    if (info.channels < 1 || info.samplerate < 1 || info.frames < 1 ||
        info.frames > kMaxSeconds * info.samplerate) {
        qCDebug(lcSound) << "sound refused:" << info.channels << "channels," << info.samplerate << "Hz,"
                         << info.frames << "frames";
        return std::nullopt;
    }
    Decoded decoded{std::vector<int16_t>(static_cast<size_t>(info.frames * info.channels)), info.channels,
                    info.samplerate};
    const sf_count_t frames = sf_readf_short(sound.get(), decoded.samples.data(), info.frames);
    if (frames < 1) {
        qCDebug(lcSound) << "sound without samples:" << sf_strerror(sound.get());
        return std::nullopt;
    }
    decoded.samples.resize(static_cast<size_t>(frames * info.channels));
    return decoded;
}

// Linear interpolation between two samples.
int16_t mix(int16_t a, int16_t b, double weightOfB) {
    return static_cast<int16_t>(std::lround(a + (b - a) * weightOfB));
}

// Stereo at the output rate: a mono sound goes to both sides, further channels are dropped, the rate is
// converted by linear interpolation.
QByteArray toOutputFormat(const Decoded& sound) {
    const qint64 inFrames = static_cast<qint64>(sound.samples.size()) / sound.channels;
    const qint64 outFrames = inFrames * kOutputRate / sound.rate;
    QByteArray pcm(outFrames * kOutputChannels * qsizetype(sizeof(int16_t)), Qt::Uninitialized);
    auto* out = reinterpret_cast<int16_t*>(pcm.data());
    const int right = sound.channels > 1 ? 1 : 0;
    for (qint64 i = 0; i < outFrames; ++i) {
        const double position = static_cast<double>(i) * sound.rate / kOutputRate;
        const auto from = static_cast<qint64>(position);
        const qint64 to = std::min(from + 1, inFrames - 1);
        const double weight = position - static_cast<double>(from);
        for (int side = 0; side < kOutputChannels; ++side) {
            const int channel = side == 0 ? 0 : right;
            out[i * kOutputChannels + side] =
                mix(sound.samples[size_t(from * sound.channels + channel)],
                    sound.samples[size_t(to * sound.channels + channel)], weight);
        }
    }
    return pcm;
}
} // namespace

SoundPlayer& SoundPlayer::instance() {
    static QPointer<SoundPlayer> player;
    if (!player)
        player = new SoundPlayer(QCoreApplication::instance());
    return *player;
}

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {
    m_release.setSingleShot(true);
    m_release.setInterval(kReleaseMs);
    connect(&m_release, &QTimer::timeout, this, [this] { m_sink.reset(); });
}

SoundPlayer::~SoundPlayer() = default;

QAudioFormat SoundPlayer::outputFormat() {
    QAudioFormat format;
    format.setSampleRate(kOutputRate);
    format.setChannelCount(kOutputChannels);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

std::optional<QByteArray> SoundPlayer::decode(const QByteArray& wavImage) {
    const std::optional<Decoded> sound = readSamples(wavImage);
    if (!sound)
        return std::nullopt;
    return toOutputFormat(*sound);
}

void SoundPlayer::play(const QByteArray& wavImage) {
    m_pcm = decode(wavImage).value_or(QByteArray());
    if (!m_startQueued) {
        m_startQueued = true;
        QMetaObject::invokeMethod(this, &SoundPlayer::startOutput, Qt::QueuedConnection);
    }
}

// Runs from the event loop: stops the sound playing and starts the current one. Opening the output
// stream waits for the sound server, which is why play() leaves it to here. Each sound gets a new sink:
// a reused one (Qt 6.4, PulseAudio) opens every stream with the smaller buffer the server granted the
// last, until the output stalls.
void SoundPlayer::startOutput() {
    m_startQueued = false;
    m_release.stop();
    m_sink.reset();
    if (m_pcm.isEmpty())
        return;
    m_source.close();
    m_source.setData(m_pcm + QByteArray(outputFormat().bytesForDuration(kTrailingSilenceMs * 1000), '\0'));
    m_source.open(QIODevice::ReadOnly);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        qCDebug(lcSound) << "no sound output device; the sound stays silent";
    } else {
        m_sink = std::make_unique<QAudioSink>(device, outputFormat());
        connect(m_sink.get(), &QAudioSink::stateChanged, this, &SoundPlayer::onStateChanged);
        m_sink->setBufferSize(outputFormat().bytesForDuration(kBufferMs * 1000));
        m_sink->start(&m_source);
        if (m_sink->error() != QAudio::NoError)
            qCDebug(lcSound) << "sound output failed to start:" << m_sink->error();
    }
    emit started();
}

void SoundPlayer::onStateChanged(QAudio::State state) {
    if (state != QAudio::IdleState)
        return;
    emit finished();
    m_release.start();
}
