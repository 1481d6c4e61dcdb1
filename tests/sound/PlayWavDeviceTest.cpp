#include "NullSink.h"
#include "core/Allgemein.h"
#include "platform/SoundPlayer.h"
#include "support/ErrorScript.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace Allgemein;

namespace {

// Recordings and sounds agree to within a few milliseconds.
constexpr double kTolerance = 0.01;

// Seconds from the first to the last sample of sound `id` that the recording would count as sound: the
// output rate is the recording rate, and the left side is what a mono recording of a mono sound holds.
double heardLengthOf(int id) {
    QFile file(QStringLiteral(":/wav/%1.wav").arg(id));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pcm = SoundPlayer::decode(file.readAll()).value_or(QByteArray());
    const auto* samples = reinterpret_cast<const int16_t*>(pcm.constData());
    std::vector<int16_t> left;
    for (qsizetype i = 0; i + 1 < pcm.size() / qsizetype(sizeof(int16_t)); i += 2)
        left.push_back(samples[i]);
    return NullSink::soundSeconds(left);
}

// One sound server for the whole test program: the sound output connects to it once per process.
class SoundServer : public ::testing::Environment {
public:
    void SetUp() override { sink = std::make_unique<NullSink>(); }
    void TearDown() override { sink.reset(); }
    static inline std::unique_ptr<NullSink> sink;
};
[[maybe_unused]] const auto* const kServer = ::testing::AddGlobalTestEnvironment(new SoundServer);

class PlayWavDeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!sink->failure().isEmpty())
            GTEST_SKIP() << "no PulseAudio null sink: " << sink->failure().toStdString();
    }

    // Records while `play` runs and the output plays the last sound to its end.
    std::vector<int16_t> record(const std::function<void()>& play) {
        QSignalSpy finished(&SoundPlayer::instance(), &SoundPlayer::finished);
        sink->startRecording();
        play();
        EXPECT_TRUE(finished.wait(3000)) << "the output took the sound";
        sink->waitUntilQuiet(300, 5000);
        return sink->stopRecording();
    }

    NullSink* const sink = SoundServer::sink.get();
};

class EverySound : public PlayWavDeviceTest, public ::testing::WithParamInterface<int> {};

TEST_P(EverySound, PlaysCompletelyThroughTheOutput) {
    ErrorScript script({2});
    const int id = GetParam();
    const std::vector<int16_t> recording = record([id] { PlayWAV(int16_t(id)); });
    const double seconds = NullSink::soundSeconds(recording);
    RecordProperty("heard", NullSink::describe(recording));
    EXPECT_NEAR(seconds, heardLengthOf(id), kTolerance) << NullSink::describe(recording);
    EXPECT_EQ(script.count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Sounds, EverySound, ::testing::Range(101, 108));

struct CutCase {
    const char* name;
    int first;
    int second;
    int gapMs; // time the first sound has to play before the second is called
};

// The second sound cuts the first: what is heard is at most the gap plus the whole second sound, far
// less than both sounds in full.
const CutCase kCuts[] = {{"AtOnce", 103, 107, 0}, {"AfterATenthOfASecond", 104, 107, 100}};

void PrintTo(const CutCase& c, std::ostream* out) {
    *out << c.name;
}

class LaterSound : public PlayWavDeviceTest, public ::testing::WithParamInterface<CutCase> {};

TEST_P(LaterSound, CutsTheEarlierOne) {
    const CutCase& c = GetParam();
    const std::vector<int16_t> recording = record([&c] {
        PlayWAV(int16_t(c.first));
        if (c.gapMs > 0)
            QTest::qWait(c.gapMs);
        PlayWAV(int16_t(c.second));
    });
    const double seconds = NullSink::soundSeconds(recording);
    RecordProperty("heard", NullSink::describe(recording));
    EXPECT_GT(seconds, heardLengthOf(c.second) - kTolerance) << NullSink::describe(recording);
    EXPECT_LT(seconds, c.gapMs / 1000.0 + heardLengthOf(c.second) + 0.05) << NullSink::describe(recording);
}

INSTANTIATE_TEST_SUITE_P(Pairs, LaterSound, ::testing::ValuesIn(kCuts),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
