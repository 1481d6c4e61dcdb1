#include "app/Main.h"
#include "core/Allgemein.h"
#include "core/Forms.h"
#include "draw/frmDraw.h"
#include "info/frmInfo.h"
#include "support/ErrorScript.h"
#include "support/TempHome.h"

#include <QFile>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>

using namespace Allgemein;

namespace {

void unloadAll() {
    for (QWidget* form : Forms::loaded()) {
        Forms::unload(form);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    MainShown = 0;
}

struct Sprache {
    const char* stored; // nullptr: not stored
    int16_t langIndex;
    const char* storedAfter; // nullptr: still not stored
};

class MainSprache : public ::testing::TestWithParam<Sprache> {};

TEST_P(MainSprache, SettlesTheLanguageIndex) {
    const Sprache& c = GetParam();
    TempHome home;
    if (c.stored)
        home.storeOption(QStringLiteral("Sprache"), QString::fromLatin1(c.stored));
    ErrorScript script;
    Main();
    EXPECT_EQ(LangIndex, c.langIndex);
    QSettings stored(home.settingsFile(), QSettings::IniFormat);
    if (c.storedAfter)
        EXPECT_EQ(stored.value(QStringLiteral("Optionen/Sprache")).toString(),
                  QString::fromLatin1(c.storedAfter));
    else
        EXPECT_FALSE(QFile::exists(home.settingsFile())) << "nothing written at start-up";
    GetLang(100);
    EXPECT_EQ(script.count(), 0) << "neither start-up nor a text lookup reports an error";
    unloadAll();
}

INSTANTIATE_TEST_SUITE_P(Table, MainSprache,
                         ::testing::Values(Sprache{nullptr, 0, nullptr}, Sprache{"1033", 1, "1"},
                                           Sprache{"1031", 1, "1"}, Sprache{"2000", 2, "2"},
                                           Sprache{"11", 0, "0"}, Sprache{"5", 5, "5"}, Sprache{"6", 6, "6"},
                                           // No language file: German for the session, the value kept.
                                           Sprache{"10", 0, "10"}, Sprache{"7", 0, "7"},
                                           Sprache{"-3", 0, "-3"}, Sprache{"12000", 0, "12"}));

TEST(Main, BuildsTheLanguageFileTableAndShowsTheInfoWindowOverTheHiddenDrawingWindow) {
    TempHome home;
    ErrorScript script;
    LangFile = {};
    Main();
    const QString folder = home.programFolder();
    const std::array<QString, 7> expected = {folder + "/deutsch.lng", folder + "/english.lng",
                                             folder + "/swedish.lng", folder + "/italian.lng",
                                             folder + "/spanish.lng", QString(),
                                             folder + "/french.lng"};
    EXPECT_EQ(LangFile, expected);
    const QList<QWidget*> forms = Forms::loaded();
    ASSERT_EQ(forms.size(), 2);
    EXPECT_EQ(forms[0], frmInfo::instance());
    EXPECT_EQ(forms[1], frmDraw::instance());
    EXPECT_TRUE(frmInfo::instance()->isVisible());
    EXPECT_FALSE(frmDraw::instance()->isVisible());
    frmInfo::instance()->close();
    EXPECT_TRUE(frmDraw::instance()->isVisible()) << "closing the start screen shows the drawing window";
    unloadAll();
}

TEST(Main, AnUnreadableLanguageSettingGoesToTheErrorWindow) {
    TempHome home;
    home.storeOption(QStringLiteral("Sprache"), QStringLiteral("english"));
    ErrorScript script({2});
    LangFile = {};
    Main();
    ASSERT_EQ(script.count(), 1);
    EXPECT_EQ(script.shown()[0].procedure, QStringLiteral("Main"));
    EXPECT_EQ(script.shown()[0].module, QStringLiteral("Allgemein"));
    EXPECT_EQ(script.shown()[0].number, QStringLiteral("13 (Type mismatch)"));
    EXPECT_TRUE(Forms::loaded().isEmpty()) << "Cancel leaves Main before any window loads";
    EXPECT_EQ(LangFile[0], QString());
}

} // namespace
