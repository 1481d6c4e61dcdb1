// SPDX-License-Identifier: GPL-3.0-or-later
#include "NullSink.h"

#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTest>
#include <algorithm>
#include <cstring>
#include <tuple>

namespace {
const QString kSinkName = QStringLiteral("pinsola_null");

} // namespace

NullSink::NullSink() {
    const QString pulseaudio = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
    if (pulseaudio.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty()) {
        m_failure = QStringLiteral("pulseaudio or parec is not installed");
        return;
    }
    // Everything of the server (runtime files, cookie) stays inside the temporary folder.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME"})
        environment.insert(QString::fromLatin1(name), m_dir.path());
    environment.insert(QStringLiteral("PULSE_RUNTIME_PATH"), m_dir.path() + QStringLiteral("/runtime"));
    m_server.setProcessEnvironment(environment);
    m_server.setProcessChannelMode(QProcess::MergedChannels);
    // Without rewinds the monitor passes on every stream from its first sample.
    m_server.start(pulseaudio,
                   {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--system=false"),
                    QStringLiteral("--use-pid-file=no"), QStringLiteral("--exit-idle-time=-1"),
                    QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") +
                        m_dir.path() + QStringLiteral("/native"),
                    QStringLiteral("--load=module-null-sink norewinds=1 sink_name=") + kSinkName});
    if (!waitForSocket()) {
        m_failure = QStringLiteral("PulseAudio did not start: ") + QString::fromLocal8Bit(m_server.readAll());
        return;
    }
    qputenv("PULSE_SERVER",
            QFile::encodeName(QStringLiteral("unix:") + m_dir.path() + QStringLiteral("/native")));
}

NullSink::~NullSink() {
    for (QProcess* process : {&m_recorder, &m_server}) {
        if (process->state() == QProcess::NotRunning)
            continue;
        process->terminate();
        if (!process->waitForFinished(3000))
            process->kill();
        process->waitForFinished(1000);
    }
}

bool NullSink::waitForSocket() {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 10000) {
        if (QFile::exists(m_dir.path() + QStringLiteral("/native")))
            return true;
        if (m_server.state() == QProcess::NotRunning || m_server.waitForFinished(50))
            return false;
    }
    return false;
}

bool NullSink::startRecording() {
    m_samples.clear();
    m_recorder.start(QStringLiteral("parec"),
                     {QStringLiteral("--device=") + kSinkName + QStringLiteral(".monitor"),
                      QStringLiteral("--raw"), QStringLiteral("--format=s16le"),
                      QStringLiteral("--rate=%1").arg(kRecordRate), QStringLiteral("--channels=1"),
                      QStringLiteral("--latency-msec=20")});
    m_recorder.waitForStarted();
    // The recorder is connected once the monitor's first samples (silence) arrive; only then can it hear
    // a sound from its start.
    return QTest::qWaitFor([this] { return m_recorder.bytesAvailable() > 0; }, 5000);
}

void NullSink::waitUntilQuiet(int quietMs, int timeoutMs) {
    const auto quietSamples = std::ptrdiff_t(qint64(quietMs) * kRecordRate / 1000);
    std::ignore = QTest::qWaitFor(
        [&] {
            readRecorder();
            const auto last = std::find_if(m_samples.rbegin(), m_samples.rend(), isSound);
            return last != m_samples.rend() && last - m_samples.rbegin() >= quietSamples;
        },
        timeoutMs);
}

std::vector<int16_t> NullSink::stopRecording() {
    readRecorder();
    m_recorder.terminate();
    m_recorder.waitForFinished(3000);
    readRecorder();
    return m_samples;
}

void NullSink::readRecorder() {
    const QByteArray raw = m_recorder.read(m_recorder.bytesAvailable() & ~qint64(1));
    const size_t old = m_samples.size();
    m_samples.resize(old + size_t(raw.size()) / sizeof(int16_t));
    std::memcpy(m_samples.data() + old, raw.constData(), size_t(raw.size()));
}

double NullSink::soundSeconds(const std::vector<int16_t>& samples) {
    const auto first = std::find_if(samples.begin(), samples.end(), isSound);
    if (first == samples.end())
        return 0.0;
    const auto last = std::find_if(samples.rbegin(), samples.rend(), isSound).base();
    return double(last - first) / kRecordRate;
}

std::string NullSink::describe(const std::vector<int16_t>& samples) {
    constexpr size_t kGap = kRecordRate / 100; // silence of 10 ms separates two stretches
    std::string text;
    size_t start = 0;
    size_t last = 0;
    bool inSound = false;
    const auto close = [&] {
        text += QStringLiteral("%1-%2 s ")
                    .arg(double(start) / kRecordRate, 0, 'f', 3)
                    .arg(double(last) / kRecordRate, 0, 'f', 3)
                    .toStdString();
    };
    for (size_t i = 0; i < samples.size(); ++i) {
        if (!isSound(samples[i]))
            continue;
        if (inSound && i - last > kGap)
            close();
        if (!inSound || i - last > kGap)
            start = i;
        inSound = true;
        last = i;
    }
    if (inSound)
        close();
    return text.empty() ? std::string("silence") : text;
}
