#include "core/Allgemein.h"
#include "support/ErrorScript.h"
#include "support/TempHome.h"

#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

using namespace Allgemein;

namespace {

struct Options {
    int16_t sound, image, width;
    int32_t color;
    int16_t psize, cshow, gitter;
};

Options current() {
    return {SoundOn, LessonNo, PenWidth, PenColor, PreviewSize, ColorWinOpen, GridOn};
}

void clearOptions() {
    SoundOn = LessonNo = PenWidth = PreviewSize = ColorWinOpen = GridOn = 0;
    PenColor = 0;
}

bool operator==(const Options& a, const Options& b) {
    return a.sound == b.sound && a.image == b.image && a.width == b.width && a.color == b.color &&
           a.psize == b.psize && a.cshow == b.cshow && a.gitter == b.gitter;
}

TEST(LoadConfig, FirstRunGivesTheDefaultsAndWritesNothing) {
    TempHome home;
    ErrorScript script;
    clearOptions();
    LoadConfig();
    EXPECT_TRUE(current() == (Options{-1, 1, 5, 0, -1, -1, -1}));
    EXPECT_EQ(script.count(), 0);
    EXPECT_FALSE(QFile::exists(home.settingsFile()));
}

struct StoredOption {
    const char* key;
    const char* stored;
    Options expected;
    const char* error; // the error window's first row, or nullptr
    const char* line;
};

class LoadConfigTable : public ::testing::TestWithParam<StoredOption> {};

TEST_P(LoadConfigTable, ConvertsEachStoredTextOrReportsIt) {
    const StoredOption& c = GetParam();
    TempHome home;
    home.storeOption(QString::fromLatin1(c.key), QString::fromLatin1(c.stored));
    ErrorScript script({1});
    clearOptions();
    LoadConfig();
    EXPECT_TRUE(current() == c.expected) << c.key << "=" << c.stored;
    if (!c.error) {
        EXPECT_EQ(script.count(), 0);
        return;
    }
    ASSERT_EQ(script.count(), 1);
    EXPECT_EQ(script.shown()[0].number, QString::fromLatin1(c.error));
    EXPECT_EQ(script.shown()[0].procedure, QStringLiteral("LoadConfig"));
    EXPECT_EQ(script.shown()[0].module, QStringLiteral("Allgemein"));
    EXPECT_EQ(script.shown()[0].line, QString::fromLatin1(c.line));
}

INSTANTIATE_TEST_SUITE_P(
    Table, LoadConfigTable,
    ::testing::Values(
        StoredOption{"Sound", "0", {0, 1, 5, 0, -1, -1, -1}, nullptr, nullptr},
        // A switch stored as 1 (by hand) reads as on, -1, so that the complement can switch it off again.
        StoredOption{"Sound", "1", {-1, 1, 5, 0, -1, -1, -1}, nullptr, nullptr},
        StoredOption{"Gitter", "1", {-1, 1, 5, 0, -1, -1, -1}, nullptr, nullptr},
        StoredOption{"PSize", "7", {-1, 1, 5, 0, -1, -1, -1}, nullptr, nullptr},
        StoredOption{"Image", "42", {-1, 42, 5, 0, -1, -1, -1}, nullptr, nullptr},
        StoredOption{"Width", "2.5", {-1, 1, 2, 0, -1, -1, -1}, nullptr, nullptr},
        // Colours are 32-bit: pure blue with red in the low byte.
        StoredOption{"Color", "16711680", {-1, 1, 5, 16711680, -1, -1, -1}, nullptr, nullptr},
        StoredOption{"PSize", "0", {-1, 1, 5, 0, 0, -1, -1}, nullptr, nullptr},
        StoredOption{"cshow", "0", {-1, 1, 5, 0, -1, 0, -1}, nullptr, nullptr},
        StoredOption{"GITTER", "0", {-1, 1, 5, 0, -1, -1, 0}, nullptr, nullptr},
        // Skipped statements keep the value held before (0 at start-up); the next key is still read.
        StoredOption{"Width", "abc", {-1, 1, 0, 0, -1, -1, -1}, "13 (Type mismatch)", "30"},
        StoredOption{"Image", "70000", {-1, 0, 5, 0, -1, -1, -1}, "6 (Overflow)", "20"},
        StoredOption{"Color", "99999999999", {-1, 1, 5, 0, -1, -1, -1}, "6 (Overflow)", "40"},
        StoredOption{"Sound", "", {0, 1, 5, 0, -1, -1, -1}, "13 (Type mismatch)", "10"}));

TEST(SaveConfig, WritesEveryKeyAsDecimalText) {
    TempHome home;
    ErrorScript script;
    SoundOn = 0;
    LessonNo = 17;
    PenWidth = 12;
    PenColor = 16711680;
    PreviewSize = -1;
    ColorWinOpen = 0;
    GridOn = -2;
    SaveConfig();
    QSettings stored(home.settingsFile(), QSettings::IniFormat);
    const std::pair<const char*, const char*> expected[] = {
        {"Sound", "0"},  {"Image", "17"}, {"Width", "12"}, {"Color", "16711680"},
        {"PSize", "-1"}, {"CShow", "0"},  {"Gitter", "-2"}};
    for (auto [key, value] : expected)
        EXPECT_EQ(stored.value(QStringLiteral("Optionen/") + key).toString(), QString::fromLatin1(value))
            << key;
    EXPECT_EQ(script.count(), 0);
}

TEST(SaveConfig, RoundTripsThroughLoadConfigAndRewritesUnchangedValues) {
    TempHome home;
    ErrorScript script;
    clearOptions();
    LoadConfig();
    SaveConfig();
    QFile file(home.settingsFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count('='), 7);
    clearOptions();
    LoadConfig();
    EXPECT_TRUE(current() == (Options{-1, 1, 5, 0, -1, -1, -1}));
}

TEST(SaveConfig, ReplacesKeysStoredInAnotherSpelling) {
    TempHome home;
    home.storeOption(QStringLiteral("WIDTH"), QStringLiteral("9"));
    ErrorScript script;
    clearOptions();
    LoadConfig();
    EXPECT_EQ(PenWidth, 9);
    PenWidth = 3;
    SaveConfig();
    QFile file(home.settingsFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    EXPECT_TRUE(content.contains("WIDTH=3"));
    EXPECT_EQ(content.toLower().count("width="), 1);
}

} // namespace
