// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAudio>
#include <QAudioFormat>
#include <QBuffer>
#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>

class QAudioSink;

// Plays short sounds handed over as complete WAV images in memory (PCM or Microsoft ADPCM), one at a
// time: a new sound cuts off the one still playing. Without an output device, or for data it cannot
// decode, it stays silent and reports nothing. play() only decodes; the output is started from the event
// loop, so a caller never waits for the audio device.
class SoundPlayer : public QObject {
    Q_OBJECT
public:
    static SoundPlayer& instance();
    ~SoundPlayer() override;

    // Decodes the sound and has it start in place of the one playing. An image that is no decodable
    // sound stops the one playing and plays nothing.
    void play(const QByteArray& wavImage);

    // Every sound is converted to this format: 16-bit, stereo, 22050 Hz.
    static QAudioFormat outputFormat();
    // The samples of a WAV image in the output format; no value for data that is no decodable sound.
    static std::optional<QByteArray> decode(const QByteArray& wavImage);

    // The samples of the latest sound handed to play(); empty after an undecodable one.
    const QByteArray& current() const { return m_pcm; }

signals:
    // The current sound has been given to the output; without an output device it stays silent.
    void started();
    // The output has taken every sample of the current sound.
    void finished();

private:
    explicit SoundPlayer(QObject* parent);
    void startOutput();
    void onStateChanged(QAudio::State state);

    QByteArray m_pcm;
    QBuffer m_source;
    std::unique_ptr<QAudioSink> m_sink;
    QTimer m_release;
    bool m_startQueued = false;
};
