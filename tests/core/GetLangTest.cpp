// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Allgemein.h"
#include "support/ErrorScript.h"
#include "support/TempHome.h"

#include <QFile>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>

using namespace Allgemein;

namespace {

class GetLangTest : public ::testing::Test {
protected:
    void SetUp() override {
        write(QStringLiteral("/deutsch.lng"), "[Lang]\r\n0100=Pinsola beenden?\r\n0007=sieben\r\n0114=\r\n"
                                              "0120=" +
                                                  QByteArray(300, 'h') + "\r\n");
        write(QStringLiteral("/english.lng"), "[lang]\r\n0100 = Quit Pinsola?\r\n");
        LangFile = {};
        LangFile[0] = home.programFolder() + QStringLiteral("/deutsch.lng");
        LangFile[1] = home.programFolder() + QStringLiteral("/english.lng");
        LangFile[6] = home.programFolder() + QStringLiteral("/french.lng");
        LangIndex = 0;
    }
    void write(const QString& name, const QByteArray& content) {
        QFile file(home.programFolder() + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    TempHome home;
};

TEST_F(GetLangTest, ReadsTheKeyOfTheCurrentLanguageFile) {
    ErrorScript script;
    const std::pair<Text, QString> cases[] = {{Text::ProgramName, QStringLiteral("Pinsola beenden?")},
                                              {Text(7), QStringLiteral("sieben")},
                                              {Text::ExitQuestion, QString()},
                                              {Text::HelpMenu, QString(254, QLatin1Char('h'))},
                                              {Text(999), QString()}};
    for (const auto& [id, expected] : cases)
        EXPECT_EQ(GetLang(id), expected) << static_cast<int>(id);
    EXPECT_EQ(script.count(), 0);
}

TEST_F(GetLangTest, ReadsTheFileAnewOnEveryCall) {
    ErrorScript script;
    EXPECT_EQ(GetLang(Text::ProgramName), QStringLiteral("Pinsola beenden?"));
    LangIndex = 1;
    EXPECT_EQ(GetLang(Text::ProgramName), QStringLiteral("Quit Pinsola?"));
    write(QStringLiteral("/english.lng"), "[Lang]\r\n0100=Changed\r\n");
    EXPECT_EQ(GetLang(Text::ProgramName), QStringLiteral("Changed"));
}

struct Unusable {
    const char* name;
    int16_t index;
    // The chosen file's content; null: there is none.
    std::function<QByteArray()> content;
    const char* error;
    const char* text;
};

void PrintTo(const Unusable& c, std::ostream* os) {
    *os << c.name;
}

class UnusableLanguageFile : public GetLangTest, public ::testing::WithParamInterface<Unusable> {};

// A language file that cannot serve is reported once; its texts come from German, or from English where
// German is the one that cannot serve.
TEST_P(UnusableLanguageFile, IsReportedOnceAndTheTextsFallBack) {
    const Unusable& c = GetParam();
    LangIndex = c.index;
    const QString chosen = c.index == 5 ? QString() : LangFile[static_cast<size_t>(c.index)];
    QFile::remove(chosen);
    if (c.content)
        write(QFileInfo(chosen).fileName().prepend(QLatin1Char('/')), c.content());
    ErrorScript script;
    EXPECT_EQ(GetLang(Text::ProgramName), QString::fromUtf8(c.text));
    EXPECT_EQ(GetLang(Text::ProgramName), QString::fromUtf8(c.text));
    ASSERT_EQ(script.count(), 1);
    EXPECT_TRUE(script.shown()[0].number.startsWith(QString::fromLatin1(c.error)))
        << script.shown()[0].number.toStdString();
    EXPECT_EQ(script.shown()[0].procedure, QStringLiteral("GetLang"));
}

QByteArray randomBytes() {
    QByteArray bytes(64 * 1024, '\0');
    uint32_t state = 40;
    for (char& byte : bytes) {
        state = state * 1664525u + 1013904223u;
        byte = static_cast<char>(state >> 24);
    }
    return bytes.replace('[', ' ');
}

INSTANTIATE_TEST_SUITE_P(
    Table, UnusableLanguageFile,
    ::testing::Values(
        Unusable{"Missing", 1, nullptr, "53 (File not found: ", "Pinsola beenden?"},
        Unusable{"Empty", 1, [] { return QByteArray(); }, "75 (Path/File access error: ", "Pinsola beenden?"},
        Unusable{"RandomBytes", 1, randomBytes, "75 (Path/File access error: ", "Pinsola beenden?"},
        Unusable{"LargerThanAnyLanguageFile", 1,
                 [] { return QByteArray("[Lang]\r\n0100=Too big\r\n").append(1024 * 1024, ';'); },
                 "75 (Path/File access error: ", "Pinsola beenden?"},
        Unusable{"LanguageFive", 5, nullptr, "53 (File not found: no language file", "Pinsola beenden?"},
        Unusable{"GermanFallsBackToEnglish", 0, [] { return QByteArray("[Lang]\r\n"); },
                 "75 (Path/File access error: ", "Quit Pinsola?"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(GetLangTest, ATextMissingFromASoundFileFallsBackSilently) {
    ErrorScript script;
    LangIndex = 1;
    EXPECT_EQ(GetLang(Text(7)), QStringLiteral("sieben"));
    LangIndex = 6;
    write(QStringLiteral("/french.lng"), "[Lang]\r\n0100=Quitter Pinsola ?\r\n");
    EXPECT_EQ(GetLang(Text(7)), QStringLiteral("sieben"));
    EXPECT_EQ(script.count(), 0);
}

TEST_F(GetLangTest, IndexOutsideTheTableIsReportedAndGivesTheEmptyText) {
    for (int action : {0, 1, 2}) {
        for (int16_t index : {7, 10, -1}) {
            LangIndex = index;
            // A retry fails again; the script then ignores.
            ErrorScript script(action == 0 ? std::vector<int>{0, 1} : std::vector<int>{action});
            EXPECT_EQ(GetLang(Text::ProgramName), QString()) << index << " action " << action;
            ASSERT_GE(script.count(), 1);
            EXPECT_EQ(script.shown()[0].number, QStringLiteral("9 (Subscript out of range)"));
            EXPECT_EQ(script.shown()[0].procedure, QStringLiteral("GetLang"));
            EXPECT_EQ(script.shown()[0].module, QStringLiteral("Allgemein"));
            EXPECT_EQ(script.count(), action == 0 ? 2 : 1);
        }
    }
}

} // namespace
