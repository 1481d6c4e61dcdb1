// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoxSound.h"

#include <QFile>
#include <QString>
#include <QStringList>
#include <sstream>

namespace {

constexpr int kOutputRate = 22050;

std::vector<int16_t> samplesIn(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    std::vector<int16_t> samples(static_cast<size_t>(bytes.size() / 2));
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<int16_t>(static_cast<uint8_t>(bytes[qsizetype(2 * i)]) |
                                          static_cast<uint8_t>(bytes[qsizetype(2 * i + 1)]) << 8);
    return samples;
}

} // namespace

SoxSound SoxSound::of(int id) {
    const QString base = QStringLiteral(SOX_DIR "/%1").arg(id);
    SoxSound sound;
    QFile info(base + QStringLiteral(".txt"));
    if (info.open(QIODevice::ReadOnly)) {
        const QStringList fields = QString::fromLatin1(info.readAll()).simplified().split(QLatin1Char(' '));
        if (fields.size() == 2) {
            sound.channels = fields[0].toInt();
            sound.rate = fields[1].toInt();
        }
    }
    sound.samples = samplesIn(base + QStringLiteral(".raw"));
    sound.mono = samplesIn(base + QStringLiteral("-mono.raw"));
    return sound;
}

bool SoxSound::matches(const QByteArray& pcm, std::string& why) const {
    std::ostringstream out;
    if (channels < 1 || rate < 1 || samples.empty()) {
        why = "sox gave no samples";
        return false;
    }
    const auto* played = reinterpret_cast<const int16_t*>(pcm.constData());
    const qint64 playedFrames = pcm.size() / 4;
    const qint64 frames = static_cast<qint64>(samples.size()) / channels;
    if (playedFrames != frames * kOutputRate / rate) {
        out << playedFrames << " frames played, " << frames * kOutputRate / rate << " expected";
        why = out.str();
        return false;
    }
    int compared = 0;
    for (qint64 i = 0; i < playedFrames; ++i) {
        if (i * rate % kOutputRate != 0)
            continue;
        const qint64 frame = i * rate / kOutputRate;
        const int16_t left = samples[size_t(frame * channels)];
        const int16_t right = samples[size_t(frame * channels + (channels > 1 ? 1 : 0))];
        if (played[2 * i] != left || played[2 * i + 1] != right) {
            out << "output frame " << i << ": " << played[2 * i] << "/" << played[2 * i + 1] << ", sox "
                << left << "/" << right;
            why = out.str();
            return false;
        }
        ++compared;
    }
    return compared > 0;
}
