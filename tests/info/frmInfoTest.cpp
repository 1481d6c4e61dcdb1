// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/frmInfo.h"
#include "controls/ImageControl.h"
#include "core/Allgemein.h"
#include "platform/ProgramVersion.h"
#include "platform/Shell.h"
#include "support/ErrorScript.h"
#include "support/Parts.h"
#include "support/TempHome.h"

#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Allgemein;

namespace {

struct VersionCase {
    ProgramVersion version;
    const char* padded;
};

class VersionText : public ::testing::TestWithParam<VersionCase> {};

TEST_P(VersionText, PadsMinorToTwoAndRevisionToFourDigits) {
    EXPECT_EQ(GetParam().version.padded(), QString::fromLatin1(GetParam().padded));
}

INSTANTIATE_TEST_SUITE_P(Table, VersionText,
                         ::testing::Values(VersionCase{{1, 2, 34}, "1.02.0034"},
                                           VersionCase{{12, 345, 67890}, "12.345.67890"}));

// The start screen in a fresh home, in German, with German and English language files.
class InfoTest : public ::testing::Test {
protected:
    void SetUp() override {
        home.installGermanAndEnglish();
        LangIndex = 0;
        MainShown = 0;
        StartupInfo = -1;
        window = frmInfo::instance();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    }
    void TearDown() override {
        if (window) {
            MainShown = -1;
            window->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(script.count(), 0);
    }

    TempHome home;
    ErrorScript script;
    QPointer<frmInfo> window;
};

TEST_F(InfoTest, NamesProgramAndVersionOnTheStartScreenWithItsFlags) {
    EXPECT_EQ(part<QLabel>(window, "Label", 0)->text(), QStringLiteral("Pinsola  VI\n1.00.0000"));
    EXPECT_EQ(part<QLabel>(window, "lblLicence")->text(), QStringLiteral("Free software: GPL-3.0-or-later"));
    for (int i : {0, 1, 2, 3, 4, 6})
        EXPECT_TRUE(part<ImageControl>(window, "imgLang", i)->isVisible()) << "flag " << i;
    EXPECT_EQ(window->findChild<ImageControl*>(QStringLiteral("imgLang(5)")), nullptr);
    EXPECT_TRUE(window->closingTimer()->isActive());
    EXPECT_EQ(window->closingTimer()->interval(), 2500);
    EXPECT_EQ(StartupInfo, 0);
}

struct FlagCase {
    int16_t current;
    int16_t clicked;
    const char* stored; // nullptr: nothing written
    const char* purpose;
    int tabs = 0; // from OK to the flag, then picked with `key`; 0: clicked with the mouse
    Qt::Key key = Qt::Key_Space;
};

class Flag : public InfoTest, public ::testing::WithParamInterface<FlagCase> {};

// Tab leads from OK over the flags, which keep their languages' names; Space or Enter picks as a click does.
TEST_P(Flag, StoresAnotherLanguageAtOnceAndRelabels) {
    const FlagCase& c = GetParam();
    LangIndex = c.current;
    window->Sprache();
    ImageControl* flag = part<ImageControl>(window, "imgLang", c.clicked);
    if (c.tabs == 0)
        QTest::mouseClick(flag, Qt::LeftButton);
    part<QPushButton>(window, "cmdOK")->setFocus();
    for (int tab = 0; tab < c.tabs; ++tab)
        QTest::keyClick(window->windowHandle(), Qt::Key_Tab);
    if (c.tabs > 0) {
        EXPECT_EQ(window->focusWidget(), flag);
        EXPECT_EQ(flag->accessibleName(), flag->toolTip()) << "called by its language";
        QTest::keyClick(window->windowHandle(), c.key);
    }
    EXPECT_EQ(LangIndex, c.clicked);
    EXPECT_EQ(part<QLabel>(window, "Label", 1)->text(), QString::fromUtf8(c.purpose));
    if (c.stored) {
        const std::unique_ptr<QSettings> stored = home.userSettings();
        EXPECT_EQ(stored->value(QStringLiteral("Optionen/Sprache")).toString(),
                  QString::fromLatin1(c.stored));
    } else {
        EXPECT_FALSE(home.hasUserSettings()) << "the current language and German, the default, write nothing";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Flag,
    ::testing::Values(FlagCase{0, 1, "1", "Learn to draw flowers, step by step"},
                      FlagCase{1, 0, nullptr, "Blumen malen lernen, Schritt für Schritt"},
                      FlagCase{1, 1, nullptr, "Learn to draw flowers, step by step"},
                      FlagCase{0, 0, nullptr, "Blumen malen lernen, Schritt für Schritt"},
                      FlagCase{0, 1, "1", "Learn to draw flowers, step by step", 2},
                      FlagCase{1, 0, nullptr, "Blumen malen lernen, Schritt für Schritt", 1, Qt::Key_Enter}));

TEST_F(InfoTest, TheLinkTurnsRedWhilePressedThenBrightBlueAndOpensTheWebPage) {
    QStringList opened;
    const auto opener = Shell::openSeam.replace([&](const QString& target) {
        opened << target;
        return true;
    });
    const auto colour = [&] {
        return part<QLabel>(window, "lblHomepage")->palette().color(QPalette::WindowText);
    };
    EXPECT_EQ(colour(), QColor(0, 0, 192));
    QTest::mousePress(part<QLabel>(window, "lblHomepage"), Qt::LeftButton);
    EXPECT_EQ(colour(), QColor(255, 0, 0));
    EXPECT_TRUE(opened.isEmpty());
    QTest::mouseRelease(part<QLabel>(window, "lblHomepage"), Qt::LeftButton);
    EXPECT_EQ(colour(), QColor(0, 0, 255));
    EXPECT_EQ(opened, QStringList{QStringLiteral("https://pinsola.example.org/")});
}

} // namespace
