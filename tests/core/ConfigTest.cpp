// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Allgemein.h"
#include "errors/ErrorTrap.h"
#include "platform/SettingsStore.h"
#include "support/ErrorScript.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <functional>
#include <gtest/gtest.h>
#include <tuple>

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
    TraceOn = -1;
    LoadConfig();
    EXPECT_TRUE(current() == (Options{-1, 1, 5, 0, -1, -1, -1}));
    EXPECT_EQ(TraceOn, 0) << "tracing starts off";
    EXPECT_EQ(script.count(), 0);
    EXPECT_FALSE(home.hasUserSettings());
}

struct StoredOption {
    const char* key;
    const char* stored;
    Options expected;
    bool bad; // reported, and its default stored instead
};

void PrintTo(const StoredOption& c, std::ostream* os) {
    *os << c.key << "=" << c.stored;
}

class LoadConfigTable : public ::testing::TestWithParam<StoredOption> {};

// A value the program cannot use is reported once, with the others, and replaced by its default in the
// store, so the next start neither reports it again nor writes it back.
TEST_P(LoadConfigTable, ConvertsEachStoredTextOrUsesTheDefaultAndReportsItOnce) {
    const StoredOption& c = GetParam();
    TempHome home;
    home.storeOption(QString::fromLatin1(c.key), QString::fromLatin1(c.stored));
    ErrorScript script({1});
    ErrorTrap start(QStringLiteral("Main"), QStringLiteral("Allgemein"));
    clearOptions();
    LoadConfig();
    EXPECT_TRUE(current() == c.expected) << c.key << "=" << c.stored;
    EXPECT_EQ(script.count(), 0) << "nothing reported while reading";
    start(75, [] { ReportBadOptions(); });
    ASSERT_EQ(script.count(), c.bad ? 1 : 0);
    if (c.bad) {
        EXPECT_EQ(script.shown()[0].number,
                  QStringLiteral("380 (Invalid property value: %1=%2)").arg(c.key, c.stored));
    }
    SaveConfig();
    clearOptions();
    LoadConfig();
    start(75, [] { ReportBadOptions(); });
    EXPECT_TRUE(current() == c.expected) << "read back after the exit";
    EXPECT_EQ(script.count(), c.bad ? 1 : 0) << "reported at one start only";
}

INSTANTIATE_TEST_SUITE_P(
    Table, LoadConfigTable,
    ::testing::Values(
        StoredOption{"Sound", "0", {0, 1, 5, 0, -1, -1, -1}, false},
        // A switch stored as 1 (by hand) reads as on, -1, so that the complement can switch it off again.
        StoredOption{"Sound", "1", {-1, 1, 5, 0, -1, -1, -1}, false},
        StoredOption{"Gitter", "1", {-1, 1, 5, 0, -1, -1, -1}, false},
        StoredOption{"PSize", "7", {-1, 1, 5, 0, -1, -1, -1}, false},
        StoredOption{"CShow", "2", {-1, 1, 5, 0, -1, -1, -1}, false},
        StoredOption{"Image", "42", {-1, 42, 5, 0, -1, -1, -1}, false},
        StoredOption{"Width", "2.5", {-1, 1, 2, 0, -1, -1, -1}, false},
        StoredOption{"Width", "50", {-1, 1, 50, 0, -1, -1, -1}, false},
        // Colours are 32-bit: pure blue with red in the low byte.
        StoredOption{"Color", "16711680", {-1, 1, 5, 16711680, -1, -1, -1}, false},
        StoredOption{"PSize", "0", {-1, 1, 5, 0, 0, -1, -1}, false},
        StoredOption{"cshow", "0", {-1, 1, 5, 0, -1, 0, -1}, false},
        StoredOption{"GITTER", "0", {-1, 1, 5, 0, -1, -1, 0}, false},
        StoredOption{"Width", "abc", {-1, 1, 5, 0, -1, -1, -1}, true},
        StoredOption{"Width", "-5", {-1, 1, 5, 0, -1, -1, -1}, true},
        StoredOption{"Width", "0", {-1, 1, 5, 0, -1, -1, -1}, true},
        StoredOption{"Width", "51", {-1, 1, 5, 0, -1, -1, -1}, true},
        StoredOption{"Width", "100000", {-1, 1, 5, 0, -1, -1, -1}, true},
        StoredOption{"Image", "70000", {-1, 1, 5, 0, -1, -1, -1}, true},
        StoredOption{"Image", "9999", {-1, 1, 5, 0, -1, -1, -1}, true},
        StoredOption{"Image", "0", {-1, 1, 5, 0, -1, -1, -1}, true},
        StoredOption{"Color", "99999999999", {-1, 1, 5, 0, -1, -1, -1}, true},
        StoredOption{"Color", "zzz", {-1, 1, 5, 0, -1, -1, -1}, true},
        StoredOption{"Color", "-1", {-1, 1, 5, 0, -1, -1, -1}, true},
        StoredOption{"Color", "16777216", {-1, 1, 5, 0, -1, -1, -1}, true},
        StoredOption{"PSize", "foo", {-1, 1, 5, 0, -1, -1, -1}, true},
        StoredOption{"Sound", "", {-1, 1, 5, 0, -1, -1, -1}, true}));

// The user's unusable value is taken away at its report, so the school's default counts from then on.
TEST(ReportBadOptions, TakesAnUnusableValueOfTheUsersAwaySoTheMachineWideOneCounts) {
    TempHome home;
    home.storeOption(QStringLiteral("Width"), QStringLiteral("abc"));
    home.storeSystemOption(QStringLiteral("Width"), QStringLiteral("9"));
    ErrorScript script({1});
    ErrorTrap start(QStringLiteral("Main"), QStringLiteral("Allgemein"));
    clearOptions();
    LoadConfig();
    start(75, [] { ReportBadOptions(); });
    ASSERT_EQ(script.count(), 1);
    clearOptions();
    LoadConfig();
    EXPECT_EQ(PenWidth, 9);
}

struct UnwritableStore {
    const char* name;
    std::function<void(const TempHome&)> make;
    const char* reason;
};

void PrintTo(const UnwritableStore& c, std::ostream* os) {
    *os << c.name;
}

class Unwritable : public ::testing::TestWithParam<UnwritableStore> {};

// Every key written at the exit fails alike: one report with the system's reason, not one per key.
TEST_P(Unwritable, StoreIsReportedOnceWithItsReason) {
    TempHome home;
    GetParam().make(home);
    ErrorScript script({1});
    SaveConfig();
    SaveConfig();
    ErrorTrap unload(QStringLiteral("Form_Unload"), QStringLiteral("frmColor"));
    unload(0, [] { WriteOption(QStringLiteral("CLeft"), QStringLiteral("120")); });
    ASSERT_EQ(script.count(), 1);
    EXPECT_TRUE(script.shown()[0].number.startsWith(QStringLiteral("75 (Path/File access error: ")));
    EXPECT_TRUE(script.shown()[0].number.contains(QString::fromLatin1(GetParam().reason)))
        << script.shown()[0].number.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Table, Unwritable,
    ::testing::Values(UnwritableStore{"AFolderInPlaceOfTheFile",
                                      [](const TempHome& home) { QDir().mkpath(home.settingsFile()); },
                                      "it is a folder"},
                      UnwritableStore{"AFileInPlaceOfTheFolder",
                                      [](const TempHome& home) {
                                          QFile folder(QFileInfo(home.settingsFile()).path());
                                          ASSERT_TRUE(folder.open(QIODevice::WriteOnly));
                                      },
                                      "is no folder"},
                      // The missing folder cannot be made: the system's reason, not a guess.
                      UnwritableStore{"AFileAboveTheMissingFolder",
                                      [](const TempHome& home) {
                                          QDir(home.configFolder()).removeRecursively();
                                          QFile above(home.configFolder());
                                          ASSERT_TRUE(above.open(QIODevice::WriteOnly));
                                      },
                                      "Pinsola: Not a directory"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(SaveConfig, WritesWhatDiffersFromTheDefaultsAsDecimalText) {
    TempHome home;
    ErrorScript script;
    SoundOn = 0;
    LessonNo = 17;
    PenWidth = 12;
    PenColor = 16711680;
    PreviewSize = 0;
    ColorWinOpen = 0;
    GridOn = 0;
    TraceOn = -1;
    SaveConfig();
    const std::unique_ptr<QSettings> stored = home.userSettings();
    const std::pair<const char*, const char*> expected[] = {
        {"Sound", "0"}, {"Image", "17"}, {"Width", "12"}, {"Color", "16711680"},
        {"PSize", "0"}, {"CShow", "0"},  {"Gitter", "0"}, {"Trace", "-1"}};
    for (auto [key, value] : expected)
        EXPECT_EQ(stored->value(QStringLiteral("Optionen/") + key).toString(), QString::fromLatin1(value))
            << key;
    EXPECT_EQ(script.count(), 0);
}

// A first session that changes nothing stores nothing; values an earlier version wrote in full and that
// equal the defaults are taken away, so the machine-wide defaults reach this user again.
TEST(SaveConfig, StoresNothingThatEqualsTheDefaults) {
    TempHome home;
    ErrorScript script;
    clearOptions();
    LoadConfig();
    SaveConfig();
    EXPECT_FALSE(home.hasUserSettings());
    const std::pair<const char*, const char*> defaults[] = {{"Sound", "-1"}, {"Image", "1"},  {"Width", "5"},
                                                            {"Color", "0"},  {"PSize", "-1"}, {"CShow", "-1"},
                                                            {"Gitter", "1"}, {"Trace", "0"}};
    for (auto [key, value] : defaults)
        home.storeOption(QString::fromLatin1(key), QString::fromLatin1(value));
    home.storeOption(QStringLiteral("PLeft"), QStringLiteral("1500"));
    clearOptions();
    LoadConfig();
    SaveConfig();
    const std::unique_ptr<QSettings> stored = home.userSettings();
    EXPECT_EQ(stored->allKeys(), QStringList{QStringLiteral("Optionen/PLeft")}) << "a window's place stays";
    clearOptions();
    LoadConfig();
    EXPECT_TRUE(current() == (Options{-1, 1, 5, 0, -1, -1, -1}));
    EXPECT_EQ(script.count(), 0);
}

// A school changes its machine-wide Sound after a child's session: the child who left sound as it was
// follows the new default; one who switched it keeps that choice.
struct LaterDefault {
    const char* name;
    const char* first; // the machine-wide Sound in the first session; nullptr: none
    bool switched;     // the child switched sound during it
    const char* later;
    int16_t sound; // at the next start
};

class DefaultsChangedLater : public ::testing::TestWithParam<LaterDefault> {};

TEST_P(DefaultsChangedLater, ReachEveryoneWhoHadNotChosenOtherwise) {
    const LaterDefault& c = GetParam();
    TempHome home;
    ErrorScript script;
    if (c.first)
        home.storeSystemOption(QStringLiteral("Sound"), QString::fromLatin1(c.first));
    clearOptions();
    LoadConfig();
    if (c.switched)
        SoundOn = static_cast<int16_t>(~SoundOn);
    SaveConfig();
    home.storeSystemOption(QStringLiteral("Sound"), QString::fromLatin1(c.later));
    clearOptions();
    LoadConfig();
    EXPECT_EQ(SoundOn, c.sound);
    EXPECT_EQ(script.count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Table, DefaultsChangedLater,
                         ::testing::Values(LaterDefault{"left_off_then_on", "0", false, "-1", -1},
                                           LaterDefault{"left_on_then_off", nullptr, false, "0", 0},
                                           LaterDefault{"left_on_then_unusable", "-1", false, "x", -1},
                                           LaterDefault{"switched_on_stays_on", "0", true, "0", -1},
                                           LaterDefault{"switched_off_stays_off", "-1", true, "-1", 0},
                                           LaterDefault{"switched_on_then_on", "0", true, "-1", -1}),
                         [](const auto& row) { return std::string(row.param.name); });

// The language a flag picks is the user's only where it is not the machine-wide one.
TEST(StoreChoice, KeepsOnlyWhatDiffersFromTheMachineWideValue) {
    TempHome home;
    ErrorScript script;
    home.storeSystemOption(QStringLiteral("Sprache"), QStringLiteral("6"));
    const auto users = [&home] { return home.userSettings()->value(QStringLiteral("Optionen/Sprache")); };
    StoreChoice(QStringLiteral("Sprache"), 1, 0);
    EXPECT_EQ(users().toString(), QStringLiteral("1"));
    StoreChoice(QStringLiteral("Sprache"), 6, 0);
    EXPECT_FALSE(users().isValid());
    EXPECT_EQ(ReadOption(QStringLiteral("Sprache"), QStringLiteral("0")), QStringLiteral("6"));
    EXPECT_EQ(script.count(), 0);
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

// A school's or a parent's machine-wide settings fill in what the user has not set, and are never written.
struct Layered {
    const char* key;
    const char* user;   // nullptr: the user has no such key
    const char* system; // nullptr: the machine-wide file has none
    const char* used;
};

class MachineWideSettings : public ::testing::TestWithParam<Layered> {};

TEST_P(MachineWideSettings, FillInWhatTheUserHasNotSetAndAreNeverWritten) {
    const Layered& c = GetParam();
    TempHome home;
    if (c.user)
        home.storeOption(QString::fromLatin1(c.key), QString::fromLatin1(c.user));
    if (c.system)
        home.storeSystemOption(QString::fromLatin1(c.key), QString::fromLatin1(c.system));
    QFile system(home.systemSettingsFile());
    const QByteArray before = system.open(QIODevice::ReadOnly) ? system.readAll() : QByteArray();
    system.close();
    ErrorScript script;
    EXPECT_EQ(ReadOption(QString::fromLatin1(c.key), QStringLiteral("default")), QString::fromLatin1(c.used));
    EXPECT_EQ(SettingsStore::GetSection(QString::fromLatin1(AppTitle), QString::fromLatin1(Section))
                  .value(QString::fromLatin1(c.key).toCaseFolded(), QStringLiteral("default")),
              QString::fromLatin1(c.used))
        << "read with its whole section";
    SaveConfig();
    WriteOption(QString::fromLatin1(c.key), QStringLiteral("written"));
    EXPECT_EQ(system.open(QIODevice::ReadOnly) ? system.readAll() : QByteArray(), before);
    EXPECT_EQ(ReadOption(QString::fromLatin1(c.key), QStringLiteral("default")), QStringLiteral("written"));
    EXPECT_EQ(script.count(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MachineWideSettings,
    ::testing::Values(Layered{"Width", nullptr, nullptr, "default"}, Layered{"Width", nullptr, "9", "9"},
                      Layered{"Width", "7", "9", "7"}, Layered{"Width", "7", nullptr, "7"},
                      Layered{"Trace", nullptr, "-1", "-1"}, Layered{"Sprache", "0", "4", "0"},
                      Layered{"sprache", nullptr, "4", "4"}, Layered{"Gitter", "", "0", ""}));

// The warnings of the settings' log while it lives.
class SettingsLog {
public:
    SettingsLog() : m_previous(qInstallMessageHandler(&collect)) { lines().clear(); }
    ~SettingsLog() { qInstallMessageHandler(m_previous); }
    SettingsLog(const SettingsLog&) = delete;
    SettingsLog& operator=(const SettingsLog&) = delete;
    static QStringList& lines() {
        static QStringList collected;
        return collected;
    }

private:
    static void collect(QtMsgType, const QMessageLogContext& context, const QString& message) {
        if (QLatin1String(context.category) == QLatin1String("pinsola.settings"))
            lines() << message;
    }
    QtMessageHandler m_previous;
};

// Only a machine-wide plain 0 forbids it; a value that is no switch allows it, with one line in the log,
// and never raises an error on the way out.
TEST(ExitAllowed, OnlyAMachineWideZeroForbidsIt) {
    const std::tuple<const char*, const char*, bool, bool> cases[] = {
        {nullptr, nullptr, true, false}, {nullptr, "0", false, false}, {"0", nullptr, true, false},
        {"-1", "0", false, false},       {nullptr, "-1", true, false}, {nullptr, "1", true, true},
        {nullptr, "no", true, true},     {nullptr, "", true, true},    {nullptr, "99", true, true},
        {nullptr, "0.4", true, true}};
    for (const auto& [user, system, allowed, logged] : cases) {
        TempHome home;
        if (user)
            home.storeOption(QStringLiteral("AllowExit"), QString::fromLatin1(user));
        if (system)
            home.storeSystemOption(QStringLiteral("allowexit"), QString::fromLatin1(system));
        const SettingsLog log;
        EXPECT_EQ(ExitAllowed(), allowed) << (user ? user : "-") << " / " << (system ? system : "-");
        EXPECT_EQ(SettingsLog::lines().size(), logged ? 1 : 0)
            << SettingsLog::lines().join('|').toStdString();
    }
}

} // namespace
