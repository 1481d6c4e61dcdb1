#include "platform/SettingsStore.h"
#include "support/TempHome.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

TEST(SettingsStore, KeysCompareWithoutRegardToCase) {
    TempHome home;
    SettingsStore::SaveSetting("Pinsola", "Optionen", "Ptop", "120");
    EXPECT_EQ(SettingsStore::GetSetting("Pinsola", "Optionen", "PTop", "0"), QStringLiteral("120"));
    SettingsStore::SaveSetting("Pinsola", "Optionen", "PTOP", "240");
    EXPECT_EQ(SettingsStore::GetSetting("Pinsola", "Optionen", "ptop", "0"), QStringLiteral("240"));
    QFile file(home.settingsFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    EXPECT_TRUE(content.contains("[Optionen]"));
    EXPECT_EQ(content.count("=240"), 1) << "one entry for both spellings";
    EXPECT_FALSE(content.contains("=120"));
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

} // namespace
