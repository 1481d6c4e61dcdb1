#include "core/Allgemein.h"
#include "support/ErrorScript.h"
#include "support/TempHome.h"

#include <QFile>
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

TEST_F(GetLangTest, LanguageFiveOrAMissingFileGivesEmptyTextsWithoutError) {
    ErrorScript script;
    for (int16_t index : {5, 6}) {
        LangIndex = index;
        EXPECT_EQ(GetLang(Text::ProgramName), QString()) << index;
    }
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
