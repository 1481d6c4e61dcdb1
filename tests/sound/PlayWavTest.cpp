// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoxSound.h"
#include "core/Allgemein.h"
#include "platform/SoundPlayer.h"
#include "support/ErrorScript.h"
#include "support/TempHome.h"

#include <QApplication>
#include <QFile>
#include <QSignalSpy>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

using namespace Allgemein;

namespace {

constexpr int kIgnore = 1;
constexpr int kCancel = 2;

QByteArray resource(int id) {
    QFile file(QStringLiteral(":/wav/%1.wav").arg(id));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Whether the player holds sound `id`, sample for sample as sox decodes it.
::testing::AssertionResult holdsSound(const SoundPlayer& player, int id) {
    std::string why;
    if (SoxSound::of(id).matches(player.current(), why))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "sound " << id << ": " << why;
}

// The player starts its output from the event loop.
void letThePlayerStart() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// Without a sound device: the output points at a sound server that does not exist.
class PlayWavTest : public ::testing::Test {
protected:
    // The program plays through the sound module in its folder, the one this test links; what goes
    // wrong is logged in this suite's own folder.
    static void SetUpTestSuite() {
        qputenv("PULSE_SERVER", "unix:/nonexistent/pinsola-test/native");
        home = std::make_unique<TempHome>();
    }
    static void TearDownTestSuite() { home.reset(); }
    static inline std::unique_ptr<TempHome> home;
    void SetUp() override {
        PlayWAV(Sound::Forward);
        letThePlayerStart();
        started.clear();
    }
    SoundPlayer& player = SoundPlayer::instance();
    QSignalSpy started{&player, &SoundPlayer::started};
};

TEST_F(PlayWavTest, EverySoundIsSilentlySkippedWithoutADevice) {
    ErrorScript script({kCancel});
    for (int16_t id = 101; id <= 107; ++id) {
        PlayWAV(Sound(id));
        letThePlayerStart();
        EXPECT_EQ(WavData, resource(id)) << id;
        EXPECT_TRUE(holdsSound(player, id));
    }
    EXPECT_EQ(started.count(), 7);
    EXPECT_EQ(script.count(), 0);
    for (QWidget* window : QApplication::topLevelWidgets())
        EXPECT_FALSE(window->isVisible()) << window->metaObject()->className();
}

struct MissingCase {
    const char* name;
    int action;
    bool playsThePreviousSound;
};

// A skip of the failed load plays the previous buffer again; leaving plays nothing.
const MissingCase kMissing[] = {{"Ignore", kIgnore, true}, {"Cancel", kCancel, false}};

void PrintTo(const MissingCase& c, std::ostream* out) {
    *out << c.name;
}

class PlayWavMissing : public PlayWavTest, public ::testing::WithParamInterface<MissingCase> {};

TEST_P(PlayWavMissing, Sound108GoesToTheErrorWindow) {
    ErrorScript script({GetParam().action});
    PlayWAV(Sound(108));
    letThePlayerStart();

    ASSERT_EQ(script.count(), 1);
    EXPECT_TRUE(script.shown()[0].number.startsWith(QStringLiteral("326 (")))
        << script.shown()[0].number.toStdString();
    EXPECT_EQ(script.shown()[0].procedure, QStringLiteral("PlayWAV"));
    EXPECT_EQ(script.shown()[0].module, QStringLiteral("Allgemein"));
    EXPECT_EQ(script.shown()[0].line, QStringLiteral("10"));
    EXPECT_EQ(WavData, resource(104));
    EXPECT_EQ(started.count(), GetParam().playsThePreviousSound ? 1 : 0);
    EXPECT_TRUE(holdsSound(player, 104));
}

INSTANTIATE_TEST_SUITE_P(Answers, PlayWavMissing, ::testing::ValuesIn(kMissing),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(PlayWavTest, TheLaterOfTwoQuickCallsIsTheOneThatPlays) {
    PlayWAV(Sound::Click);
    PlayWAV(Sound::NewPicture);
    letThePlayerStart();
    EXPECT_EQ(started.count(), 1);
    EXPECT_TRUE(holdsSound(player, 107));
    EXPECT_EQ(WavData, resource(107));
}

TEST_F(PlayWavTest, DataThatIsNoSoundStopsTheSoundAndPlaysNothing) {
    player.play(QByteArray("no sound at all"));
    letThePlayerStart();
    EXPECT_EQ(started.count(), 0);
    EXPECT_TRUE(player.current().isEmpty());
}

} // namespace
