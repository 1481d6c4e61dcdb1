// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/HelpFile.h"
#include "platform/ChmViewerLookup.h"
#include "platform/ProgramFolder.h"
#include "platform/Shell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Language {
    int16_t index;
    const char* folder;
};

class HelpLanguage : public ::testing::TestWithParam<Language> {
protected:
    decltype(ProgramFolder::pathSeam)::Scope m_programFolder =
        ProgramFolder::pathSeam.replace(QStringLiteral(PROGRAM_DIR));
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

// What the desktop offers for CHM files, and what the help command therefore opens once the desktop has
// answered. xdg-mime may also never answer in time.
struct Desktop {
    const char* what;
    bool chmBuilt;
    bool hasXdgMime;
    const char* htmlHelpApp; // xdg-mime's answer for application/vnd.ms-htmlhelp
    const char* xChmApp;     // and for application/x-chm
    bool hangs;
    bool opensChm;
};

// A process that runs: one that ended but was not yet collected does not.
bool running(const QString& pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    return stat.open(QIODevice::ReadOnly) && !stat.readAll().contains(") Z ");
}

class HelpOpen : public ::testing::TestWithParam<Desktop> {
protected:
    void SetUp() override {
        m_oldPath = qgetenv("PATH");
        qputenv("PATH", m_bin.path().toLocal8Bit());
        QDir(m_program.path()).mkpath(QStringLiteral("help/en"));
        QFile(m_program.filePath(QStringLiteral("help/en/index.html"))).open(QIODevice::WriteOnly);
    }
    void TearDown() override { qputenv("PATH", m_oldPath); }
    // A stand-in for xdg-mime that answers "query default TYPE" as the desktop would, or sleeps; it notes
    // each question and its process id.
    void installXdgMime(const Desktop& desktop) const {
        QFile script(m_bin.filePath(QStringLiteral("xdg-mime")));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\n"
                                    "echo \"$3 $$\" >> '%3'\n"
                                    "%4"
                                    "[ \"$1 $2\" = \"query default\" ] || exit 1\n"
                                    "case \"$3\" in\n"
                                    "application/vnd.ms-htmlhelp) printf '%s\\n' '%1' ;;\n"
                                    "application/x-chm) printf '%s\\n' '%2' ;;\n"
                                    "esac\n")
                         .arg(QLatin1String(desktop.htmlHelpApp), QLatin1String(desktop.xChmApp), questions(),
                              desktop.hangs ? QStringLiteral("exec /bin/sleep 30\n") : QString())
                         .toUtf8());
        script.close();
        ASSERT_TRUE(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    QString questions() const { return m_bin.filePath(QStringLiteral("questions")); }
    QStringList asked() const {
        QFile file(questions());
        return file.open(QIODevice::ReadOnly)
                   ? QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)
                   : QStringList();
    }
    QString page() const {
        return QStringLiteral("file://") + m_program.path() + QStringLiteral("/help/en/index.html");
    }

    QTemporaryDir m_program;
    decltype(ProgramFolder::pathSeam)::Scope m_programFolder =
        ProgramFolder::pathSeam.replace(m_program.path());
    QTemporaryDir m_bin;
    QByteArray m_oldPath;
    ChmViewerLookup m_lookup;
    decltype(ChmViewerLookup::instanceSeam)::Scope m_unasked =
        ChmViewerLookup::instanceSeam.replace(&m_lookup);
    QStringList m_opened;
    decltype(Shell::openSeam)::Scope m_opening = Shell::openSeam.replace([this](const QString& target) {
        m_opened << target;
        return true;
    });
};

// The first request opens the start page at once, whatever the desktop; the question is asked once, and
// a request after the answer opens the CHM only when an application is registered for it.
TEST_P(HelpOpen, NeverWaitsForTheDesktopAndOpensTheChmOnceItIsKnownToShowIt) {
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

    HelpFile::open(1);
    EXPECT_EQ(m_opened, QStringList{page()});
    if (desktop.hangs) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return asked().size() == 2; }));
        for (const QString& question : asked())
            EXPECT_TRUE(running(question.section(u' ', 1)))
                << "the help waited for xdg-mime: " << question.toStdString();
        EXPECT_FALSE(HelpFile::chmViewer().has_value());
    } else {
        EXPECT_TRUE(QTest::qWaitFor([] { return HelpFile::chmViewer().has_value(); }));
    }

    HelpFile::open(1);
    const QString chm = m_program.path() + QStringLiteral("/Pinsola.chm");
    EXPECT_EQ(m_opened, QStringList({page(), desktop.opensChm ? chm : page()}));
    EXPECT_LE(asked().size(), 2) << "asked once";
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, HelpOpen,
    ::testing::Values(Desktop{"no application registered", true, true, "", "", false, false},
                      Desktop{"a viewer for vnd.ms-htmlhelp", true, true, "xchm.desktop", "", false, true},
                      Desktop{"a viewer for x-chm only", true, true, "", "kchmviewer.desktop", false, true},
                      Desktop{"no xdg-mime at all", true, false, "", "", false, false},
                      Desktop{"a viewer but no help file built", false, true, "xchm.desktop", "", false,
                              false},
                      Desktop{"xdg-mime hangs", true, true, "xchm.desktop", "", true, false}));

} // namespace
