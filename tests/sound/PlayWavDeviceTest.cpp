// SPDX-License-Identifier: GPL-3.0-or-later
#include "NullSink.h"
#include "SoxSound.h"
#include "core/Allgemein.h"
#include "platform/SoundPlayer.h"
#include "support/ErrorScript.h"
#include "support/TempHome.h"

#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

using namespace Allgemein;

namespace {

// Recordings and sounds agree to within a few milliseconds.
constexpr double kTolerance = 0.01;

// Sound `id` as a mono recording of the output holds it: at the recording rate, the sides mixed.
std::vector<int16_t> monoOf(Sound id) {
    return SoxSound::of(static_cast<int>(id)).mono;
}

double heardLengthOf(Sound id) {
    return NullSink::soundSeconds(monoOf(id));
}

// Normalised correlation of the recording with the sound, both from their first sound sample on, at the
// best offset within 20 ms: 1 for the same waveform at any volume, near 0 for another sound.
double similarity(const std::vector<int16_t>& recording, const std::vector<int16_t>& sound) {
    const auto r0 = std::find_if(recording.begin(), recording.end(), NullSink::isSound) - recording.begin();
    const auto s0 = std::find_if(sound.begin(), sound.end(), NullSink::isSound) - sound.begin();
    double best = 0.0;
    constexpr std::ptrdiff_t kMaxShift = NullSink::kRecordRate / 50;
    for (std::ptrdiff_t shift = -kMaxShift; shift <= kMaxShift; ++shift) {
        double xy = 0.0, xx = 0.0, yy = 0.0;
        for (std::ptrdiff_t i = s0; i < std::ptrdiff_t(sound.size()); ++i) {
            const std::ptrdiff_t j = r0 + shift + i - s0;
            const double x = sound[size_t(i)];
            const double y = j >= 0 && j < std::ptrdiff_t(recording.size()) ? recording[size_t(j)] : 0.0;
            xy += x * y;
            xx += x * x;
            yy += y * y;
        }
        if (xx > 0 && yy > 0)
            best = std::max(best, xy / std::sqrt(xx * yy));
    }
    return best;
}

// The recording from the start of its last stretch of sound, after the last silence of 10 ms or more.
std::vector<int16_t> lastStretch(const std::vector<int16_t>& recording) {
    constexpr size_t kGap = NullSink::kRecordRate / 100;
    size_t start = 0;
    size_t quiet = kGap;
    for (size_t i = 0; i < recording.size(); ++i) {
        if (!NullSink::isSound(recording[i])) {
            ++quiet;
            continue;
        }
        if (quiet >= kGap)
            start = i;
        quiet = 0;
    }
    return {recording.begin() + std::ptrdiff_t(start), recording.end()};
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
    // The program plays through the sound module in its folder, the one this test links; what goes
    // wrong is logged in this suite's own folder.
    static void SetUpTestSuite() { home = std::make_unique<TempHome>(); }
    static void TearDownTestSuite() { home.reset(); }
    static inline std::unique_ptr<TempHome> home;
    void SetUp() override {
        if (!sink->failure().isEmpty())
            GTEST_SKIP() << "no PulseAudio null sink: " << sink->failure().toStdString();
    }

    // Records while `play` runs and the output plays the last sound to its end.
    std::vector<int16_t> record(const std::function<void()>& play) {
        QSignalSpy finished(&SoundPlayer::instance(), &SoundPlayer::finished);
        EXPECT_TRUE(sink->startRecording()) << "the recorder is connected";
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
    const auto id = Sound(GetParam());
    const std::vector<int16_t> recording = record([id] { PlayWAV(id); });
    const double seconds = NullSink::soundSeconds(recording);
    RecordProperty("heard", NullSink::describe(recording));
    EXPECT_NEAR(seconds, heardLengthOf(id), kTolerance) << NullSink::describe(recording);
    const double match = similarity(recording, monoOf(id));
    RecordProperty("similarity", std::to_string(match));
    EXPECT_GT(match, 0.9) << "the recording is this sound";
    EXPECT_EQ(script.count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Sounds, EverySound, ::testing::Range(101, 108));

struct CutCase {
    const char* name;
    Sound first;
    Sound second;
    int gapMs; // time the first sound has to play before the second is called
};

// The second sound cuts the first: what is heard is at most the gap plus the whole second sound, far
// less than both sounds in full.
const CutCase kCuts[] = {{"AtOnce", Sound::Back, Sound::NewPicture, 0},
                         {"AfterATenthOfASecond", Sound::Forward, Sound::NewPicture, 100}};

void PrintTo(const CutCase& c, std::ostream* out) {
    *out << c.name;
}

class LaterSound : public PlayWavDeviceTest, public ::testing::WithParamInterface<CutCase> {};

TEST_P(LaterSound, CutsTheEarlierOne) {
    const CutCase& c = GetParam();
    const std::vector<int16_t> recording = record([&c] {
        PlayWAV(c.first);
        if (c.gapMs > 0)
            QTest::qWait(c.gapMs);
        PlayWAV(c.second);
    });
    const double seconds = NullSink::soundSeconds(recording);
    RecordProperty("heard", NullSink::describe(recording));
    EXPECT_GT(seconds, heardLengthOf(c.second) - kTolerance) << NullSink::describe(recording);
    EXPECT_LT(seconds, c.gapMs / 1000.0 + heardLengthOf(c.second) + 0.05) << NullSink::describe(recording);
    const double match = similarity(lastStretch(recording), monoOf(c.second));
    RecordProperty("similarity", std::to_string(match));
    EXPECT_GT(match, 0.9) << "the second sound ends it";
}

INSTANTIATE_TEST_SUITE_P(Pairs, LaterSound, ::testing::ValuesIn(kCuts),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
