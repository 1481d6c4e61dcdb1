#include "core/Allgemein.h"
#include "core/Forms.h"
#include "draw/frmDraw.h"
#include "errors/ProgramEnd.h"
#include "errors/VbError.h"
#include "info/frmInfo.h"
#include "support/ErrorScript.h"
#include "support/TempHome.h"

#include <QCloseEvent>
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
    EXPECT_EQ(script.count(), 0);
    unloadAll();
}

INSTANTIATE_TEST_SUITE_P(Table, MainSprache,
                         ::testing::Values(Sprache{nullptr, 0, nullptr}, Sprache{"1033", 1, "1"},
                                           Sprache{"1031", 1, "1"}, Sprache{"2000", 2, "2"},
                                           Sprache{"11", 0, "0"}, Sprache{"10", 10, "10"},
                                           Sprache{"5", 5, "5"}, Sprache{"-3", -3, "-3"},
                                           Sprache{"6", 6, "6"}));

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

// A window that notes when it is unloaded, and whether the options were saved by then.
class Recorder : public QWidget {
public:
    enum class Unload { Accept, Refuse, Fail };
    Recorder(QString name, QStringList& log, QString settingsFile, Unload unload = Unload::Accept)
        : m_name(std::move(name)), m_log(log), m_settings(std::move(settingsFile)), m_unload(unload) {
        Forms::add(this);
    }

protected:
    void closeEvent(QCloseEvent* event) override {
        m_log << m_name + (QFile::exists(m_settings) ? QStringLiteral(" after save")
                                                     : QStringLiteral(" before save"));
        if (m_unload == Unload::Refuse)
            event->ignore();
        if (m_unload == Unload::Fail)
            VbError::raise(VbErr::InvalidPropertyValue);
    }

private:
    QString m_name;
    QStringList& m_log;
    QString m_settings;
    Unload m_unload;
};

TEST(EndProgram, SavesTheOptionsThenUnloadsTheWindowsNewestFirst) {
    TempHome home;
    ErrorScript script;
    QStringList log;
    new Recorder(QStringLiteral("draw"), log, home.settingsFile());
    new Recorder(QStringLiteral("preview"), log, home.settingsFile());
    new Recorder(QStringLiteral("color"), log, home.settingsFile());
    PenWidth = 7;
    EndProgram();
    EXPECT_EQ(log, (QStringList{"color after save", "preview after save", "draw after save"}));
    EXPECT_TRUE(Forms::loaded().isEmpty());
    QSettings stored(home.settingsFile(), QSettings::IniFormat);
    EXPECT_EQ(stored.value(QStringLiteral("Optionen/Width")).toString(), QStringLiteral("7"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(EndProgram, EndsAtOnceWhenAWindowRefusesToUnload) {
    TempHome home;
    ErrorScript script;
    QStringList log;
    auto* stubborn =
        new Recorder(QStringLiteral("stubborn"), log, home.settingsFile(), Recorder::Unload::Refuse);
    new Recorder(QStringLiteral("other"), log, home.settingsFile());
    EXPECT_THROW(EndProgram(), ProgramEnded);
    EXPECT_EQ(log, (QStringList{"other after save", "stubborn after save"}));
    EXPECT_EQ(script.count(), 0) << "EndProgram reports nothing";
    Forms::remove(stubborn);
    delete stubborn;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(EndProgram, AWindowFailingToUnloadIsSkippedAndTheOthersStillUnload) {
    TempHome home;
    ErrorScript script;
    QStringList log;
    new Recorder(QStringLiteral("draw"), log, home.settingsFile());
    auto* failing = new Recorder(QStringLiteral("preview"), log, home.settingsFile(), Recorder::Unload::Fail);
    new Recorder(QStringLiteral("color"), log, home.settingsFile());
    EXPECT_THROW(EndProgram(), ProgramEnded) << "a window is still loaded";
    EXPECT_EQ(log, (QStringList{"color after save", "preview after save", "draw after save"}));
    EXPECT_EQ(Forms::loaded(), QList<QWidget*>{failing});
    EXPECT_EQ(script.count(), 0) << "EndProgram reports nothing";
    Forms::remove(failing);
    delete failing;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace
