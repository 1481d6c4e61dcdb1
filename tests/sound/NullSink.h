// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

// A private PulseAudio server in a temporary folder whose only output is a null sink, made this process's
// sound output. Its monitor can be recorded, so a test hears what the program played.
class NullSink {
public:
    static constexpr int kRecordRate = 22050;
    // A recorded sample counts as sound from 1 % of full scale on; the sink's silence is exact zero.
    static bool isSound(int16_t sample) { return std::abs(int(sample)) >= 328; }

    NullSink();
    ~NullSink();
    NullSink(const NullSink&) = delete;
    NullSink& operator=(const NullSink&) = delete;

    // Empty when the server runs; otherwise why it could not be started.
    const QString& failure() const { return m_failure; }

    // False when the recorder got nothing from the sink's monitor.
    bool startRecording();
    // Waits until the recording holds sound and then `quietMs` of silence, at most `timeoutMs`. The
    // null sink passes sound on to its monitor with a latency of up to a second or more.
    void waitUntilQuiet(int quietMs, int timeoutMs);
    // Mono 16-bit samples at kRecordRate of everything played since startRecording().
    std::vector<int16_t> stopRecording();

    // Seconds from the first to the last sound sample of a recording.
    static double soundSeconds(const std::vector<int16_t>& samples);
    // The stretches of sound in a recording ("0.612-0.840 s, …"), for failure messages.
    static std::string describe(const std::vector<int16_t>& samples);

private:
    bool waitForSocket();
    void readRecorder();

    QTemporaryDir m_dir;
    QProcess m_server;
    QProcess m_recorder;
    QString m_failure;
    std::vector<int16_t> m_samples;
};
