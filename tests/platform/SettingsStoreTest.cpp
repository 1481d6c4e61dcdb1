// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SettingsStore.h"
#include "base/VbError.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <atomic>
#include <gtest/gtest.h>
#include <memory>
#include <thread>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

TEST(SettingsStore, KeysCompareWithoutRegardToCase) {
    TempHome home;
    SettingsStore::SaveSetting("Pinsola", "Optionen", "Ptop", "120");
    EXPECT_EQ(SettingsStore::GetSetting("Pinsola", "Optionen", "PTop", "0"), QStringLiteral("120"));
    SettingsStore::SaveSetting("Pinsola", "Optionen", "PTOP", "240");
    EXPECT_EQ(SettingsStore::GetSetting("Pinsola", "Optionen", "ptop", "0"), QStringLiteral("240"));
    const QStringList stored = home.storedSettings();
    ASSERT_EQ(stored.size(), 1) << "one entry for both spellings: " << stored.join(u' ').toStdString();
    EXPECT_TRUE(stored[0].startsWith(QStringLiteral("Optionen/ptop="), Qt::CaseInsensitive));
    EXPECT_TRUE(stored[0].endsWith(QStringLiteral("=240")));
}

TEST(SettingsStore, MissingKeyGivesTheDefaultText) {
    TempHome home;
    EXPECT_EQ(SettingsStore::GetSetting("Pinsola", "Optionen", "Sound", "-1"), QStringLiteral("-1"));
    EXPECT_FALSE(QFile::exists(home.settingsFile()));
}

TEST(SettingsStore, LivesInTheUsersConfigurationFolder) {
    TempHome home;
    EXPECT_EQ(SettingsStore::location("Pinsola"), home.settingsFile());
}

#ifdef Q_OS_UNIX
// Opening a named pipe in place of the user's or the machine-wide file waited for a writer for ever, so
// the program never started: the pipe is passed over, a write says why it fails, and the pipe stays.
TEST(SettingsStore, ANamedPipeInPlaceOfAFileIsPassedOver) {
    for (const bool machineWide : {false, true}) {
        TempHome home;
        const QString file = machineWide ? home.systemSettingsFile() : home.settingsFile();
        ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()));
        ASSERT_EQ(mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        const auto read = std::make_shared<std::atomic<bool>>(false);
        const auto value = std::make_shared<QString>();
        // A reader that waits for ever must not hold the test up: it is left behind.
        std::thread([read, value] {
            *value = SettingsStore::GetSetting("Pinsola", "Optionen", "Sound", "-1");
            *read = true;
        }).detach();
        ASSERT_TRUE(QTest::qWaitFor([&] { return read->load(); }, 5000)) << "machine-wide: " << machineWide;
        EXPECT_EQ(*value, QStringLiteral("-1"));
        try {
            SettingsStore::SaveSetting("Pinsola", "Optionen", "Sound", "0");
            EXPECT_TRUE(machineWide) << "the write to the pipe did not fail";
        } catch (const VbError& error) {
            EXPECT_FALSE(machineWide);
            EXPECT_TRUE(error.description().contains(QStringLiteral("it is not a file")))
                << error.description().toStdString();
        }
        EXPECT_FALSE(QFileInfo(file).isFile()) << "the pipe is left as it was";
    }
}
#endif

} // namespace
