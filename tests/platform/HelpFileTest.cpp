#include "platform/HelpFile.h"
#include "platform/ProgramFolder.h"
#include "platform/Shell.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Language {
    int16_t index;
    const char* folder;
};

class HelpLanguage : public ::testing::TestWithParam<Language> {
protected:
    void SetUp() override { ProgramFolder::setPath(QStringLiteral(PROGRAM_DIR)); }
    void TearDown() override { ProgramFolder::setPath({}); }
};

TEST_P(HelpLanguage, ChmWhenShowableElseTheInstalledStartPageOfTheLanguage) {
    const Language& language = GetParam();
    const QString page =
        QStringLiteral(PROGRAM_DIR "/help/") + QLatin1String(language.folder) + QStringLiteral("/index.html");
    EXPECT_EQ(HelpFile::target(language.index, true), QStringLiteral(PROGRAM_DIR "/Pinsola.chm"));
    EXPECT_EQ(HelpFile::target(language.index, false), QStringLiteral("file://") + page);
    EXPECT_TRUE(QFileInfo(page).isFile()) << "not in the program folder: " << page.toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryLanguageAndUnknownOnes, HelpLanguage,
                         ::testing::Values(Language{0, "de"}, Language{1, "en"}, Language{2, "sv"},
                                           Language{3, "it"}, Language{4, "es"}, Language{6, "fr"},
                                           Language{5, "de"}, Language{-1, "de"}, Language{7, "de"},
                                           Language{300, "de"}));

// What the desktop offers for CHM files, and what the help command therefore opens.
struct Desktop {
    const char* what;
    bool chmBuilt;
    bool hasXdgMime;
    const char* htmlHelpApp; // xdg-mime's answer for application/vnd.ms-htmlhelp
    const char* xChmApp;     // and for application/x-chm
    bool opensChm;
};

class HelpOpen : public ::testing::TestWithParam<Desktop> {
protected:
    void SetUp() override {
        m_oldPath = qgetenv("PATH");
        qputenv("PATH", m_bin.path().toLocal8Bit());
        ProgramFolder::setPath(m_program.path());
        Shell::setOpener([this](const QString& target) {
            m_opened << target;
            return true;
        });
    }
    void TearDown() override {
        Shell::setOpener({});
        ProgramFolder::setPath({});
        qputenv("PATH", m_oldPath);
    }
    // A stand-in for xdg-mime that answers "query default TYPE" as the desktop would.
    void installXdgMime(const Desktop& desktop) const {
        QFile script(m_bin.filePath(QStringLiteral("xdg-mime")));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\n"
                                    "[ \"$1 $2\" = \"query default\" ] || exit 1\n"
                                    "case \"$3\" in\n"
                                    "application/vnd.ms-htmlhelp) printf '%s\\n' '%1' ;;\n"
                                    "application/x-chm) printf '%s\\n' '%2' ;;\n"
                                    "esac\n")
                         .arg(QLatin1String(desktop.htmlHelpApp), QLatin1String(desktop.xChmApp))
                         .toUtf8());
        script.close();
        ASSERT_TRUE(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }

    QTemporaryDir m_program;
    QTemporaryDir m_bin;
    QByteArray m_oldPath;
    QStringList m_opened;
};

TEST_P(HelpOpen, OpensTheChmOnlyWhenAnApplicationIsRegisteredForIt) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Windows always has the HTML Help viewer";
#endif
    const Desktop& desktop = GetParam();
    SCOPED_TRACE(desktop.what);
    if (desktop.chmBuilt) {
        QFile chm(m_program.filePath(QStringLiteral("Pinsola.chm")));
        ASSERT_TRUE(chm.open(QIODevice::WriteOnly));
    }
    if (desktop.hasXdgMime)
        installXdgMime(desktop);

    EXPECT_TRUE(HelpFile::open(1));

    const QString expected = desktop.opensChm ? m_program.path() + QStringLiteral("/Pinsola.chm")
                                              : QStringLiteral("file://") + m_program.path() +
                                                    QStringLiteral("/help/en/index.html");
    EXPECT_EQ(m_opened, QStringList{expected});
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, HelpOpen,
    ::testing::Values(Desktop{"no application registered", true, true, "", "", false},
                      Desktop{"a viewer for vnd.ms-htmlhelp", true, true, "xchm.desktop", "", true},
                      Desktop{"a viewer for x-chm only", true, true, "", "kchmviewer.desktop", true},
                      Desktop{"no xdg-mime at all", true, false, "", "", false},
                      Desktop{"a viewer but no help file built", false, true, "xchm.desktop", "", false}));

} // namespace
