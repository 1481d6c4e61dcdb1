// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Main.h"
#include "app/CommandLine.h"
#include "controls/ImageControl.h"
#include "core/Allgemein.h"
#include "core/Forms.h"
#include "draw/frmDraw.h"
#include "info/frmInfo.h"
#include "support/ErrorScript.h"
#include "support/Parts.h"
#include "support/TempHome.h"

#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

using namespace Allgemein;

namespace {

using Command = frmDraw::Command;

void unloadAll() {
    for (QWidget* form : Forms::loaded()) {
        Forms::unload(form);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    MainShown = 0;
}

// Counts the times a window is shown.
class ShowCounter : public QObject {
public:
    explicit ShowCounter(QWidget* window) { window->installEventFilter(this); }
    int shows = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show)
            ++shows;
        return false;
    }
};

struct Sprache {
    const char* stored; // nullptr: not stored
    int16_t langIndex;
    const char* storedAfter;  // nullptr: still not stored
    bool reported = false;    // one error window, then German
    const char* desktop = ""; // the desktop's locale variables, "NAME=value …"; the others unset
};

// The desktop's locale variables for the lifetime of the object.
class DesktopLocale {
public:
    explicit DesktopLocale(const char* variables) {
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
            m_saved.emplace_back(name, qgetenv(name));
            qunsetenv(name);
        }
        for (const QString& variable : QString::fromLatin1(variables).split(' ', Qt::SkipEmptyParts))
            qputenv(variable.section('=', 0, 0).toLatin1().constData(), variable.section('=', 1).toLatin1());
    }
    ~DesktopLocale() {
        for (const auto& [name, value] : m_saved)
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }

private:
    std::vector<std::pair<const char*, QByteArray>> m_saved;
};

class MainSprache : public ::testing::TestWithParam<Sprache> {};

TEST_P(MainSprache, SettlesTheLanguageIndex) {
    const Sprache& c = GetParam();
    TempHome home;
    for (const char* name : {"deutsch", "english", "swedish", "italian", "spanish", "french"})
        QFile::copy(QStringLiteral(PROGRAM_DIR "/%1.lng").arg(QLatin1String(name)),
                    home.programFolder() + QStringLiteral("/%1.lng").arg(QLatin1String(name)));
    if (c.stored)
        home.storeOption(QStringLiteral("Sprache"), QString::fromLatin1(c.stored));
    const DesktopLocale desktop(c.desktop);
    ErrorScript script;
    Main();
    EXPECT_EQ(LangIndex, c.langIndex);
    const std::unique_ptr<QSettings> stored = home.userSettings();
    if (c.storedAfter)
        EXPECT_EQ(stored->value(QStringLiteral("Optionen/Sprache")).toString(),
                  QString::fromLatin1(c.storedAfter));
    else
        EXPECT_FALSE(stored->contains(QStringLiteral("Optionen/Sprache")))
            << "German, the default, is not kept";
    GetLang(Text::ProgramName);
    ASSERT_EQ(script.count(), c.reported ? 1 : 0) << "a text lookup reports nothing";
    if (c.reported) {
        EXPECT_EQ(script.shown()[0].number,
                  QStringLiteral("380 (Invalid property value: Sprache=%1)").arg(c.stored));
    }
    unloadAll();
}

INSTANTIATE_TEST_SUITE_P(
    Table, MainSprache,
    ::testing::Values(Sprache{nullptr, 0, nullptr}, Sprache{"1033", 1, "1"}, Sprache{"1031", 1, "1"},
                      Sprache{"2000", 2, "2"}, Sprache{"11", 0, nullptr}, Sprache{"6", 6, "6"},
                      // No language: German, and the value taken away.
                      Sprache{"5", 0, nullptr, true}, Sprache{"10", 0, nullptr, true},
                      Sprache{"7", 0, nullptr, true}, Sprache{"-3", 0, nullptr, true},
                      Sprache{"12000", 0, nullptr, true}, Sprache{"999999", 0, nullptr, true},
                      Sprache{"english", 0, nullptr, true},
                      // A first start speaks the desktop's language, if it can.
                      Sprache{nullptr, 6, nullptr, false, "LANG=fr_FR.UTF-8"},
                      Sprache{nullptr, 1, nullptr, false, "LANG=en_GB.UTF-8"},
                      Sprache{nullptr, 0, nullptr, false, "LANG=pt_BR.UTF-8"},
                      Sprache{nullptr, 2, nullptr, false, "LANG=de_DE LC_MESSAGES=sv_SE"},
                      Sprache{nullptr, 3, nullptr, false, "LANGUAGE=pt:it LANG=fr_FR"},
                      Sprache{nullptr, 0, nullptr, false, "LANGUAGE=fr LANG=C"},
                      Sprache{"1", 1, "1", false, "LANG=fr_FR.UTF-8"}));

// A school's language, set for the machine, wins over the desktop's.
TEST(Main, AMachineWideLanguageWinsOverTheDesktops) {
    TempHome home;
    home.installGermanAndEnglish();
    home.storeSystemOption(QStringLiteral("Sprache"), QStringLiteral("1"));
    const DesktopLocale desktop("LANG=fr_FR.UTF-8");
    ErrorScript script;
    Main();
    EXPECT_EQ(LangIndex, 1);
    EXPECT_EQ(script.count(), 0);
    unloadAll();
}

// Every bad setting together costs one error window at one start; the next start reports none.
TEST(Main, ReportsAllBadSettingsInOneErrorWindowAndOnlyOnce) {
    TempHome home;
    home.installGermanAndEnglish();
    for (const auto& [key, value] : {std::pair{"Sound", "abc"},
                                     {"Image", "9999"},
                                     {"Width", "-5"},
                                     {"Color", "zzz"},
                                     {"PSize", "foo"},
                                     {"CShow", "2"},
                                     {"Gitter", ""},
                                     {"Sprache", "999999"}})
        home.storeOption(QString::fromLatin1(key), QString::fromLatin1(value));
    ErrorScript script;
    Main();
    ASSERT_EQ(script.count(), 1);
    EXPECT_EQ(script.shown()[0].number,
              QStringLiteral("380 (Invalid property value: Sound=abc, Image=9999, "
                             "Width=-5, Color=zzz, PSize=foo, Gitter=, Sprache=999999)"));
    EXPECT_EQ(script.shown()[0].line, QStringLiteral("75"));
    EXPECT_EQ(PenWidth, 5);
    unloadAll();
    Main();
    EXPECT_EQ(script.count(), 1) << "the defaults were stored";
    unloadAll();
}

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
    EXPECT_TRUE(frmInfo::instance()->isVisible());
    EXPECT_EQ(Forms::loaded().size(), 1) << "the drawing window loads once the start screen has painted";
    EXPECT_TRUE(QTest::qWaitFor([] { return Forms::loaded().size() == 2; }));
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

TEST(Main, CancelOnTheBadSettingsReportLeavesMain) {
    TempHome home;
    home.storeOption(QStringLiteral("Sprache"), QStringLiteral("english"));
    ErrorScript script({2});
    LangFile = {};
    Main();
    ASSERT_EQ(script.count(), 1);
    EXPECT_EQ(script.shown()[0].procedure, QStringLiteral("Main"));
    EXPECT_EQ(script.shown()[0].module, QStringLiteral("Allgemein"));
    EXPECT_EQ(script.shown()[0].number, QStringLiteral("380 (Invalid property value: Sprache=english)"));
    EXPECT_TRUE(Forms::loaded().isEmpty()) << "Cancel leaves Main before any window loads";
    EXPECT_EQ(LangFile[0], QString());
}

TEST(Main, OkBeforeTheTimerShowsTheDrawingWindowOnceAndAgainTheInfoWindowNeverDoes) {
    TempHome home;
    home.installGermanAndEnglish();
    ErrorScript script;
    Main();
    QPointer<frmInfo> startScreen = frmInfo::instance();
    ShowCounter drawing(frmDraw::instance());
    ASSERT_TRUE(QTest::qWaitFor([&] { return startScreen->closingTimer()->isActive(); }))
        << "armed once the start screen is up";
    QTest::mouseClick(part<QPushButton>(startScreen, "cmdOK"), Qt::LeftButton);
    EXPECT_TRUE(frmDraw::instance()->isVisible());
    EXPECT_EQ(drawing.shows, 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return startScreen.isNull(); })) << "OK unloads the start screen";
    // Were a tick still due, it would now show the drawing window again.
    frmDraw::instance()->hide();
    MainShown = 0;
    EXPECT_FALSE(QTest::qWaitFor([&] { return drawing.shows > 1; }, 3000));
    frmDraw::instance()->show();
    MainShown = -1;

    bool flagShown = true;
    bool timerArmed = true;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        frmInfo* info = frmInfo::instance();
        modal = info->isVisible() && info->isModal();
        flagShown = part<ImageControl>(info, "imgLang", 1)->isVisible();
        timerArmed = info->closingTimer()->isActive();
        QTest::mouseClick(part<QPushButton>(info, "cmdOK"), Qt::LeftButton);
    });
    frmDraw::instance()->mnuUeber_Click();
    EXPECT_TRUE(modal);
    EXPECT_FALSE(flagShown);
    EXPECT_FALSE(timerArmed);
    EXPECT_EQ(drawing.shows, 2) << "one show by the start screen, one by the test";
    EXPECT_TRUE(frmDraw::instance()->isVisible());
    EXPECT_EQ(script.count(), 0);
    unloadAll();
}

TEST(Main, TheLanguagePickedOnTheStartScreenIsTheDrawingWindowsLanguage) {
    TempHome home;
    home.installGermanAndEnglish();
    ErrorScript script;
    Main();
    QTest::mouseClick(part<ImageControl>(frmInfo::instance(), "imgLang", 1), Qt::LeftButton);
    QTest::mouseClick(part<QPushButton>(frmInfo::instance(), "cmdOK"), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([] {
        return frmDraw::instance()->buttonWidget(Command::NewPage)->toolTip() ==
               QStringLiteral("New page (Ctrl+N)");
    }));
    EXPECT_EQ(script.count(), 0);
    unloadAll();
}

struct Arguments {
    QStringList given;
    CommandLine::Outcome outcome;
};

class CommandLineTable : public ::testing::TestWithParam<Arguments> {};

// Qt's own options, with their values in either form, reach the application object; anything else ends
// the start.
TEST_P(CommandLineTable, Outcome) {
    const Arguments& c = GetParam();
    EXPECT_EQ(CommandLine(QStringList{QStringLiteral("pinsola")} + c.given).outcome(), c.outcome)
        << c.given.join(' ').toStdString();
}

using Outcome = CommandLine::Outcome;
INSTANTIATE_TEST_SUITE_P(
    Table, CommandLineTable,
    ::testing::Values(Arguments{{}, Outcome::Run}, Arguments{{"-platform", "xcb"}, Outcome::Run},
                      Arguments{{"-style=fusion", "-reverse"}, Outcome::Run},
                      Arguments{{"-display", ":3", "-session", "10a2b_3"}, Outcome::Run},
                      Arguments{{"-qwindowgeometry", "640x480+0+0", "--name", "x"}, Outcome::Run},
                      Arguments{{"-?"}, Outcome::Help}, Arguments{{"-h", "--bogus"}, Outcome::Wrong},
                      Arguments{{"-v"}, Outcome::Version}, Arguments{{"--version"}, Outcome::Version},
                      Arguments{{"--bogus"}, Outcome::Wrong}, Arguments{{"-platform"}, Outcome::Wrong},
                      Arguments{{"drawing.bmp"}, Outcome::Wrong}));

} // namespace
