// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawFixture.h"

#include "base/VbConvert.h"
#include "base/VbError.h"
#include "color/frmColor.h"
#include "controls/FileListBox.h"
#include "controls/ImageControl.h"
#include "controls/InputBox.h"
#include "controls/MsgBox.h"
#include "controls/PictureBox.h"
#include "core/Allgemein.h"
#include "draw/DrawingFile.h"
#include "draw/HelpFile.h"
#include "draw/RecoveryFile.h"
#include "errors/ErrPtnr.h"
#include "errors/ErrorTrap.h"
#include "errors/ProgramEnd.h"
#include "info/frmInfo.h"
#include "lessons/Drucker.h"
#include "lessons/frmPreview.h"
#include "platform/ChmViewerLookup.h"
#include "platform/LanguageChange.h"
#include "platform/Shell.h"
#include "platform/SoundModule.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#if QT_CONFIG(tabletevent)
#include <QTabletEvent>
#endif
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <cerrno>
#include <functional>
#include <string>
#include <tuple>

namespace {

using Command = frmDraw::Command;
using ViewerCommand = frmPreview::Command;

using namespace Allgemein;

class CommandTest : public DrawTest {
protected:
    void SetUp() override {
        DrawTest::SetUp();
        open();
    }
    void stroke(QPoint from, QPoint to) {
        QTest::mousePress(canvas, Qt::LeftButton, {}, from);
        QTest::mouseMove(canvas, to);
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, to);
    }
    void save(const QString& name) {
        typed = name;
        window->bzlButton_Click(Command::Save);
    }
    QString pics() const { return home.programFolder() + "/pics"; }
    // Every file below the program folder with a digest of its contents, but for the error log that
    // each report extends.
    std::string snapshot() const {
        QStringList entries;
        QDirIterator it(home.programFolder(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (path.endsWith(QLatin1String(".EPT")))
                continue;
            QFile file(path);
            const QByteArray digest =
                file.open(QIODevice::ReadOnly)
                    ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex()
                    : QByteArray("-");
            entries << path + " " + digest;
        }
        entries.sort();
        return entries.join(QLatin1Char('\n')).toStdString();
    }
    static QByteArray contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QString typed;
    int answer = MsgBox::AnswerYes;
    QStringList asked;
    decltype(InputBox::answerSeam)::Scope typing =
        InputBox::answerSeam.replace([this](const QString&, const QString&) { return typed; });
    decltype(MsgBox::answerSeam)::Scope answering =
        MsgBox::answerSeam.replace([this](const QString& text, const QString&) {
            asked << text;
            return answer;
        });
};

std::string repeated(const std::string& text, int times) {
    std::string result;
    for (int i = 0; i < times; ++i)
        result += text;
    return result;
}
// A file name of 125 "ä" and ".bmp" is 254 bytes in UTF-8, the most a file system takes being 255.
const std::string Longest = repeated("\xC3\xA4", 125);
const std::string LongestFile = Longest + ".bmp";
const std::string TooLong = repeated("\xC3\xA4", 126);
const std::string FarTooLong = repeated("\xC3\xA4", 150);
const std::string TooLongInAscii(252, 'x');

struct NameCase {
    const char* typed;
    const char* file;
};

class SaveName : public CommandTest, public ::testing::WithParamInterface<NameCase> {};

TEST_P(SaveName, WritesTheDrawingUnderTheTypedNameInThePicsFolder) {
    stroke({20, 20}, {200, 120});
    save(QString::fromUtf8(GetParam().typed));
    const QString path = pics() + "/" + QString::fromUtf8(GetParam().file);
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_EQ(state<QString>(window, "PicName"), QString::fromUtf8(GetParam().file));
    EXPECT_EQ(state<QString>(frmPreview::instance(), "chosenDrawing"), path)
        << "the viewer's OK opens the saved drawing";
    QImageReader reader(path, "bmp");
    const QImage saved = reader.read();
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), canvas->Image()) << "the canvas, pixel for pixel";
    EXPECT_EQ(uint8_t(contents(path).at(28)), 24) << "a 24-bit bitmap";
    EXPECT_EQ(QDir(pics()).entryList(QDir::Files | QDir::Hidden).size(), 1) << "no temporary file left";
    EXPECT_EQ(script->count(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SaveName,
    ::testing::Values(NameCase{"tulip", "tulip.bmp"}, NameCase{"tulip.BMP", "tulip.BMP.bmp"},
                      NameCase{"tulip.bmp", "tulip.bmp"}, NameCase{"Mias Rose", "Mias Rose.bmp"},
                      NameCase{"sun..flower", "sun..flower.bmp"}, NameCase{"rose ", "rose .bmp"},
                      NameCase{"rose.", "rose..bmp"}, NameCase{"rose. .bmp", "rose. .bmp"},
                      NameCase{Longest.c_str(), LongestFile.c_str()}));

TEST_F(CommandTest, CancellingTheSaveDialogWritesNothingAndLeavesTheNameEmpty) {
    save(QStringLiteral("older"));
    save(QString());
    EXPECT_TRUE(state<QString>(window, "PicName").isEmpty());
    EXPECT_TRUE(state<QString>(frmPreview::instance(), "chosenDrawing").isEmpty());
    EXPECT_EQ(QDir(pics()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("older.bmp")});
}

TEST_F(CommandTest, AnExistingDrawingIsReplacedOnlyWhenTheUserSaysYes) {
    save(QStringLiteral("tulip"));
    const QByteArray first = contents(pics() + "/tulip.bmp");
    stroke({10, 10}, {300, 200});
    answer = MsgBox::AnswerNo;
    save(QStringLiteral("tulip"));
    EXPECT_EQ(asked.size(), 1);
    EXPECT_EQ(contents(pics() + "/tulip.bmp"), first) << "No keeps the file byte for byte";
    answer = MsgBox::AnswerYes;
    save(QStringLiteral("tulip"));
    EXPECT_NE(contents(pics() + "/tulip.bmp"), first);
    EXPECT_EQ(QImage(pics() + "/tulip.bmp").convertToFormat(QImage::Format_RGB32), canvas->Image());
}

class UnsafeName : public CommandTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(UnsafeName, IsRefusedAsABadFileNameAndNothingIsWrittenAnywhere) {
    stroke({20, 20}, {200, 120});
    const std::string before = snapshot();
    save(QString::fromUtf8(GetParam()));
    ASSERT_GE(script->count(), 1);
    EXPECT_EQ(script->shown()[0].number, QStringLiteral("52 (Bad file name or number)"));
    EXPECT_EQ(script->shown()[0].procedure, QStringLiteral("bzlButton_Click"));
    EXPECT_EQ(snapshot(), before);
}

INSTANTIATE_TEST_SUITE_P(Table, UnsafeName,
                         ::testing::Values("../outside", "a/b", "a\\b", "..", ".hidden", "con", "NUL.bmp",
                                           "com1", "lpt9.txt", "tab\there", "bell\a", "what?", "a:b", "   ",
                                           "   .bmp", "nul ", "Com1 .bmp", TooLong.c_str(),
                                           FarTooLong.c_str(), TooLongInAscii.c_str()));

TEST_F(CommandTest, AWriteProtectedFileReportsAndChangesNothing) {
    save(QStringLiteral("kept"));
    QFile::setPermissions(pics() + "/kept.bmp", QFileDevice::ReadOwner);
    stroke({10, 10}, {300, 200});
    const std::string before = snapshot();
    save(QStringLiteral("kept"));
    ASSERT_EQ(script->count(), 1);
    EXPECT_EQ(script->shown()[0].number, QStringLiteral("70 (Permission denied)"));
    EXPECT_EQ(snapshot(), before);
}

TEST_F(CommandTest, AWriteProtectedFolderReportsAndChangesNothing) {
    QFile::setPermissions(pics(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const std::string before = snapshot();
    save(QStringLiteral("new"));
    QFile::setPermissions(pics(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_EQ(script->count(), 1);
    EXPECT_EQ(script->shown()[0].number, QStringLiteral("70 (Permission denied)"));
    EXPECT_EQ(snapshot(), before);
}

TEST_F(CommandTest, ASaveInterruptedBeforeTheNewFileTakesItsPlaceKeepsTheOldDrawing) {
    save(QStringLiteral("rose"));
    const std::string before = snapshot();
    stroke({10, 10}, {300, 200});
    const auto interrupted =
        DrawingFile::replaceSeam.replace([](const QString&, const QString&) { return false; });
    save(QStringLiteral("rose"));
    ASSERT_EQ(script->count(), 1);
    EXPECT_EQ(script->shown()[0].number, QStringLiteral("75 (Path/File access error)"));
    EXPECT_EQ(snapshot(), before) << "the old drawing intact and no half-written file left";
}

// The system's number for a full disk: ERROR_DISK_FULL on Windows.
#ifdef Q_OS_WIN
constexpr int DiskFull = 112;
#else
constexpr int DiskFull = ENOSPC;
#endif

TEST(DrawingFileWrite, AFullDiskIsReportedWithTheSystemsReason) {
    QFile full(QStringLiteral("/dev/full"));
    ASSERT_TRUE(full.open(QIODevice::WriteOnly));
    QImage picture(640, 480, QImage::Format_RGB32);
    picture.fill(Qt::white);
    try {
        DrawingFile::writeBitmap(full, picture);
        ADD_FAILURE() << "no error";
    } catch (const VbError& error) {
        EXPECT_EQ(error.number(), VbErr::PathFileAccess);
        EXPECT_EQ(error.description(),
                  QStringLiteral("Path/File access error: ") + qt_error_string(DiskFull));
    }
}

TEST_F(CommandTest, AMissingPicsFolderIsMadeAgain) {
    ASSERT_TRUE(QDir(pics()).removeRecursively());
    save(QStringLiteral("daisy"));
    EXPECT_TRUE(QFile::exists(pics() + "/daisy.bmp"));
}

TEST_F(CommandTest, UndoIsOneLevelAndANewPageAfterItIsWhite) {
    stroke({20, 20}, {200, 20});
    const QImage afterFirst = canvas->Image();
    stroke({20, 60}, {200, 60});
    QTest::mouseClick(window->buttonWidget(Command::Undo), Qt::LeftButton);
    EXPECT_EQ(canvas->Image(), afterFirst);
    EXPECT_EQ(window->button(Command::Undo).Enabled(), 0) << "a second undo is impossible";
    window->bzlButton_Click(Command::NewPage);
    QImage white(canvas->size(), QImage::Format_RGB32);
    white.fill(Qt::white);
    EXPECT_EQ(canvas->Image(), white);
    EXPECT_EQ(window->button(Command::Undo).Enabled(), 0);
}

TEST_F(CommandTest, SoundOffTurnsTheButtonRedAndOnTurnsItBlackWithoutAClick) {
    SoundOn = VbConvert::True;
    window->bzlButton_Click(Command::SoundSwitch);
    EXPECT_EQ(SoundOn, 0);
    EXPECT_EQ(window->button(Command::SoundSwitch).ForeColor(), 0x0000FFu);
    int heard = 0;
    const auto listening = SoundModule::playSeam.replace([&](const QByteArray&) { ++heard; });
    window->bzlButton_Click(Command::SoundSwitch);
    EXPECT_EQ(SoundOn, -1);
    EXPECT_EQ(window->button(Command::SoundSwitch).ForeColor(), 0u);
    EXPECT_EQ(heard, 0) << "switching on plays no click";
    PlayWAV(Sound::Back);
    EXPECT_EQ(heard, 1) << "and the next sound plays";
}

TEST_F(CommandTest, ExitAnsweredNoKeepsRunningAndSavesNothing) {
    answer = MsgBox::AnswerNo;
    window->bzlButton_Click(Command::Exit);
    EXPECT_EQ(asked.size(), 1);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(home.hasUserSettings());
}

TEST_F(CommandTest, AFinishedStrokeIsKeptUntilANewPageOrAConfirmedExitGivesItUp) {
    const QString kept = RecoveryFile::path();
    const auto isKept = [&] { return QFile::exists(kept); };
    stroke({20, 20}, {200, 120});
    ASSERT_TRUE(QTest::qWaitFor(isKept));
    EXPECT_EQ(RecoveryFile::read().convertToFormat(QImage::Format_RGB32), canvas->Image());
    window->bzlButton_Click(Command::NewPage);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !isKept(); })) << "a new page";
    stroke({20, 20}, {200, 120});
    ASSERT_TRUE(QTest::qWaitFor(isKept)) << "the next stroke, within a second of the last write";
    answer = MsgBox::AnswerNo;
    window->bzlButton_Click(Command::Exit);
    EXPECT_TRUE(isKept()) << "an exit answered No";
    answer = MsgBox::AnswerYes;
    window->bzlButton_Click(Command::Exit);
    EXPECT_FALSE(isKept()) << "gone once the confirmed exit is done";
}

// AllowExit=0 in the machine-wide settings: the exit button, the desktop's close and the error window's End
// ask a grown-up's sum, in the program's language, and only its right answer leads on to the usual
// question (the error window's End ends at once; refused, the window waits for another decision).
TEST_F(CommandTest, AKioskSessionEndsOnlyAfterAGrownUpsRightSum) {
    home.installGermanAndEnglish();
    home.storeSystemOption(QStringLiteral("AllowExit"), QStringLiteral("0"));
    answer = MsgBox::AnswerNo;
    enum class Way { Button, Desktop, ErrorWindow };
    const auto endThrough = [this](Way way) {
        if (way == Way::Button)
            return window->bzlButton_Click(Command::Exit);
        if (way == Way::Desktop)
            return window->Form_QueryUnload();
        const auto endClicked = ErrPtnr::shownSeam.replace([](ErrPtnr& errors) {
            QTest::mouseClick(part<QPushButton>(&errors, "cmdContinue", ErrPtnr::End), Qt::LeftButton);
            // Refused, End leaves the window waiting: Cancel answers it then.
            QTimer::singleShot(0, &errors, [&errors] {
                if (errors.awaitsDecision())
                    QTest::mouseClick(part<QPushButton>(&errors, "cmdContinue", ErrPtnr::Cancel),
                                      Qt::LeftButton);
            });
        });
        ErrorTrap(QStringLiteral("Kiosk"),
                  QStringLiteral("Test"))(10, [] { VbError::raise(VbErr::InvalidPropertyValue); });
    };
    const std::tuple<Way, int, int, bool> cases[] = {
        // way, answer off the sum by, questions asked, ended
        {Way::Button, 1, 0, false}, {Way::Desktop, -3, 0, false}, {Way::ErrorWindow, 2, 0, false},
        {Way::Button, 0, 1, false}, {Way::Desktop, 0, 2, false},  {Way::ErrorWindow, 0, 2, true}};
    for (const auto& [way, off, questions, ended] : cases) {
        QString prompt;
        const auto grownUp =
            InputBox::answerSeam.replace([&, off = off](const QString& shown, const QString&) {
                prompt = shown;
                const QRegularExpressionMatch sum =
                    QRegularExpression(QStringLiteral("(\\d+) \\+ (\\d+) = \\?$")).match(shown);
                return QString::number(sum.captured(1).toInt() + sum.captured(2).toInt() + off);
            });
        bool programEnded = false;
        try {
            endThrough(way);
        } catch (const ProgramEnded&) {
            programEnded = true;
        }
        EXPECT_TRUE(prompt.startsWith(QStringLiteral("Pinsola beenden darf nur ein Erwachsener:")))
            << prompt.toStdString();
        EXPECT_EQ(asked.size(), questions) << "way " << int(way) << ", off by " << off;
        EXPECT_EQ(programEnded, ended) << "way " << int(way) << ", off by " << off;
        EXPECT_TRUE(window->isVisible());
    }
    const auto cancelled =
        InputBox::answerSeam.replace([](const QString&, const QString&) { return QString(); });
    window->bzlButton_Click(Command::Exit);
    EXPECT_EQ(asked.size(), 2) << "Cancel is no answer";
}

// A machine-wide AllowExit that is no switch locks no one in: the exit button and the desktop's close reach
// the usual question without a sum or an error window, and the error window's End ends.
TEST_F(CommandTest, AnUnreadableAllowExitLeavesEveryWayOut) {
    for (const char* value : {"no", ""}) {
        home.storeSystemOption(QStringLiteral("AllowExit"), QString::fromLatin1(value));
        asked.clear();
        answer = MsgBox::AnswerNo;
        const auto noSum = InputBox::answerSeam.replace([](const QString& shown, const QString&) {
            ADD_FAILURE() << "a sum was asked: " << shown.toStdString();
            return QString();
        });
        window->bzlButton_Click(Command::Exit);
        window->Form_QueryUnload();
        EXPECT_EQ(asked.size(), 2) << "AllowExit=" << value;
        const auto endClicked = ErrPtnr::shownSeam.replace([](ErrPtnr& errors) {
            QTest::mouseClick(part<QPushButton>(&errors, "cmdContinue", ErrPtnr::End), Qt::LeftButton);
            QTimer::singleShot(0, &errors, [&errors] {
                if (errors.awaitsDecision())
                    QTest::mouseClick(part<QPushButton>(&errors, "cmdContinue", ErrPtnr::Cancel),
                                      Qt::LeftButton);
            });
        });
        bool ended = false;
        try {
            ErrorTrap(QStringLiteral("Kiosk"),
                      QStringLiteral("Test"))(10, [] { VbError::raise(VbErr::InvalidPropertyValue); });
        } catch (const ProgramEnded&) {
            ended = true;
        }
        EXPECT_TRUE(ended) << "AllowExit=" << value;
        EXPECT_EQ(asked.size(), 2) << "only the two questions, no error window on the way";
    }
}

TEST_F(CommandTest, TheColourCommandOpensTheColourWindowForGood) {
    window->bzlButton_Click(Command::ColorWindow);
    EXPECT_TRUE(frmColor::instance()->isVisible());
    EXPECT_EQ(ColorWinOpen, -1);
}

TEST_F(CommandTest, AFlagSwitchesTheLanguageAndStoresItAtOnce) {
    home.installGermanAndEnglish();
    window->Sprache();
    QTest::mouseClick(part<ImageControl>(window, "imgLang", 0), Qt::LeftButton);
    EXPECT_FALSE(home.hasUserSettings()) << "the current language's flag writes nothing";
    QTest::mouseClick(part<ImageControl>(window, "imgLang", 1), Qt::LeftButton);
    EXPECT_EQ(LangIndex, 1);
    EXPECT_EQ(window->buttonWidget(Command::NewPage)->toolTip(), QStringLiteral("New page (Ctrl+N)"));
    EXPECT_FALSE(part<QLabel>(window, "imgLogo", 0)->isVisibleTo(window));
    EXPECT_TRUE(part<QLabel>(window, "imgLogo", 1)->isVisibleTo(window));
    const std::unique_ptr<QSettings> stored = home.userSettings();
    EXPECT_EQ(stored->value(QStringLiteral("Optionen/Sprache")).toString(), QStringLiteral("1"));
    const QStringList settings = home.storedSettings();
    QTest::mouseClick(part<ImageControl>(window, "imgLang", 1), Qt::LeftButton);
    EXPECT_EQ(home.storedSettings(), settings);

    // From the last button, Tab goes over the flags row by row: German, English, Spanish; Enter picks.
    window->buttonWidget(Command::Exit)->setFocus();
    for (int tab = 0; tab < 3; ++tab)
        QTest::keyClick(window->windowHandle(), Qt::Key_Tab);
    EXPECT_EQ(window->focusWidget(), part<ImageControl>(window, "imgLang", 4));
    QTest::keyClick(window->windowHandle(), Qt::Key_Return);
    EXPECT_EQ(LangIndex, 4);
}

// The message box's own buttons are Qt's: they speak the language of the flag clicked, at once.
TEST_F(CommandTest, TheExitQuestionsButtonsSpeakTheLanguageOfTheFlagClicked) {
    const auto realBox = MsgBox::answerSeam.replace({});
    const std::tuple<int, QString, QString> languages[] = {
        {6, QStringLiteral("&Oui"), QStringLiteral("&Non")},
        {0, QStringLiteral("&Ja"), QStringLiteral("&Nein")},
        {2, QStringLiteral("&Ja"), QStringLiteral("&Nej")},
        {4, QStringLiteral("&Sí"), QStringLiteral("&No")}};
    for (const auto& [flag, yes, no] : languages) {
        QTest::mouseClick(part<ImageControl>(window, "imgLang", flag), Qt::LeftButton);
        QStringList buttons;
        QTimer::singleShot(0, [&buttons] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            buttons << box->button(QMessageBox::Yes)->text() << box->button(QMessageBox::No)->text();
            box->button(QMessageBox::No)->click();
        });
        window->bzlButton_Click(Command::Exit);
        EXPECT_EQ(buttons, QStringList({yes, no})) << "flag " << flag;
    }
}

} // namespace

namespace {

struct ShellCase {
    std::function<void(frmDraw*)> act;
    bool helpPages;
    bool opens;
    const char* target; // <program>: the program folder
    const char* report; // module, procedure and error shown; nullptr: none
};

class ShellRequest : public CommandTest, public ::testing::WithParamInterface<ShellCase> {};

// Help in the language in use, e-mail to support, the web page: what nothing can open reaches the error
// window with its reason.
TEST_P(ShellRequest, OpensTheTargetOrReportsWhyItCannot) {
    const ShellCase& c = GetParam();
    QStringList opened;
    const auto opener = Shell::openSeam.replace([&](const QString& target) {
        opened << target;
        return c.opens;
    });
    if (c.helpPages && QDir(home.programFolder()).mkpath(QStringLiteral("help/en")))
        QFile(home.programFolder() + QStringLiteral("/help/en/index.html")).open(QIODevice::WriteOnly);
    ChmViewerLookup lookup;
    const auto unasked = ChmViewerLookup::instanceSeam.replace(&lookup);
    LangIndex = 1;
    c.act(window);
    // A file's address and path as the system writes them: file:///C:/… and C:\… on Windows.
    const auto inHome = [&](const char* text) {
        return QString::fromLatin1(text)
            .replace(QStringLiteral("file://<program>"), QUrl::fromLocalFile(home.programFolder()).toString())
            .replace(QStringLiteral("<page>"),
                     QDir::toNativeSeparators(home.programFolder() + QStringLiteral("/help/en/index.html")))
            .replace(QStringLiteral("<program>"), home.programFolder());
    };
    EXPECT_EQ(opened, c.helpPages ? QStringList{inHome(c.target)} : QStringList());
    QStringList reports;
    for (const ErrorScript::Shown& shown : script->shown())
        reports << shown.module + u' ' + shown.procedure + u' ' + shown.number;
    EXPECT_EQ(reports, c.report ? QStringList{inHome(c.report)} : QStringList());
}

// A menu entry's command runs once the event that picked it has been answered.
const auto help = [](frmDraw* w) {
    part<QAction>(w, "mnuHilfe")->trigger();
    QCoreApplication::sendPostedEvents(w);
};
const auto mail = [](frmDraw* w) {
    part<QAction>(w, "mnuEmail")->trigger();
    QCoreApplication::sendPostedEvents(w);
};
const auto web = [](frmDraw* w) { w->bzlButton_Click(Command::WebPage); };
const auto infoLink = [](frmDraw*) { frmInfo::instance()->lblHomepage_Click(); };
constexpr const char* Page = "file://<program>/help/en/index.html";
constexpr const char* Mail = "mailto:support@pinsola.example.org?Subject=Pinsola";
constexpr const char* Web = "https://pinsola.example.org/";

INSTANTIATE_TEST_SUITE_P(
    Table, ShellRequest,
    ::testing::Values(
        ShellCase{help, true, true, Page, nullptr}, ShellCase{mail, true, true, Mail, nullptr},
        ShellCase{web, true, true, Web, nullptr},
        ShellCase{help, false, true, Page, "frmDraw mnuHilfe_Click 53 (Help page not found: <page>)"},
        ShellCase{help, true, false, Page,
                  "frmDraw mnuHilfe_Click 75 (No program could open "
                  "file://<program>/help/en/index.html)"},
        ShellCase{mail, true, false, Mail,
                  "frmDraw mnuEmail_Click 75 (No program could open "
                  "mailto:support@pinsola.example.org?Subject=Pinsola)"},
        ShellCase{web, true, false, Web,
                  "frmDraw bzlButton_Click 75 (No program could open https://pinsola.example.org/)"},
        ShellCase{infoLink, true, false, Web,
                  "frmInfo lblHomepage_Click 75 (No program could open https://pinsola.example.org/)"}));

} // namespace

namespace {

TEST_F(CommandTest, TheGalleryCommandShowsTheViewersFileListWithDrawingsSavedSince) {
    save(QStringLiteral("poppy"));
    window->bzlButton_Click(Command::Gallery);
    frmPreview* viewer = frmPreview::instance();
    EXPECT_FALSE(part<PictureBox>(viewer, "picPanel", 0)->isVisibleTo(viewer));
    EXPECT_TRUE(part<PictureBox>(viewer, "picPanel", 2)->isVisibleTo(viewer));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !part<FileListBox>(viewer, "filPics")->isListing(); }));
    ASSERT_EQ(part<FileListBox>(viewer, "filPics")->ListCount(), 1);
    EXPECT_EQ(part<FileListBox>(viewer, "filPics")->List(0), QStringLiteral("poppy.bmp"));
}

} // namespace

namespace {

// The page the print command prints, rendered at 100 dots per inch.
QImage printedPage(frmDraw* window) {
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("page.pdf")));
    {
        const auto pdf = Drucker::printerSeam.replace(&printer);
        window->bzlButton_Click(Command::Print);
    }
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-png"),
                       QStringLiteral("-singlefile"), printer.outputFileName(),
                       dir.filePath(QStringLiteral("page"))});
    return QImage(dir.filePath(QStringLiteral("page.png"))).convertToFormat(QImage::Format_RGB32);
}

// The pixels of `image` that are neither white nor the pen's colour.
int foreign(const QImage& image, QRgb pen) {
    int found = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y) | 0xFF000000;
            found += pixel != 0xFFFFFFFF && pixel != pen ? 1 : 0;
        }
    return found;
}

TEST_F(CommandTest, TracingShowsOnTheCanvasOnlyNeverInTheUndoCopyTheSavedFileOrThePrint) {
    const QRgb pen = qRgb(0xC0, 0, 0); // PenColor 0x0000C0, red in the low byte
    frmPreview* viewer = frmPreview::instance();
    stroke({20, 20}, {300, 200});
    QTest::mouseClick(viewer->buttonWidget(ViewerCommand::TraceSwitch), Qt::LeftButton);
    ASSERT_EQ(TraceOn, -1);
    EXPECT_EQ(viewer->button(ViewerCommand::TraceSwitch).Value(), -1) << "the switch shows it is on";
    QTest::mouseClick(viewer->buttonWidget(ViewerCommand::StepOn), Qt::LeftButton);
    const QImage firstStep = canvas->grab().toImage();
    QTest::mouseClick(viewer->buttonWidget(ViewerCommand::StepOn), Qt::LeftButton);
    const QImage shown = canvas->grab().toImage();
    EXPECT_GT(foreign(shown, pen), 1000) << "the step lies faintly on the canvas";
    EXPECT_NE(shown, firstStep) << "and follows the viewer's step";
    EXPECT_EQ(shown.pixel(20, 20) | 0xFF000000, pen) << "under the strokes";

    stroke({40, 250}, {500, 100});
    EXPECT_EQ(foreign(canvas->Image(), pen), 0);
    EXPECT_EQ(foreign(canvas->undoCopy(), pen), 0);
    save(QStringLiteral("traced"));
    const QImage saved(pics() + "/traced.bmp");
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(foreign(saved, pen), 0) << "the saved drawing holds strokes on white only";
    const QImage pageTraced = printedPage(window);
    ASSERT_FALSE(pageTraced.isNull());
    QTest::mouseClick(viewer->buttonWidget(ViewerCommand::TraceSwitch), Qt::LeftButton);
    EXPECT_EQ(pageTraced, printedPage(window)) << "the printed page is the same with tracing on and off";
    EXPECT_EQ(TraceOn, 0);
    EXPECT_EQ(foreign(canvas->grab().toImage(), pen), 0) << "switched off, the canvas is white again";
    EXPECT_EQ(script->count(), 0);
}

// With tracing on, a play in the viewer plays on the canvas too: the faint lines grow there while it
// plays, and the canvas ends on the step as tracing shows it.
TEST_F(CommandTest, TracingPlaysAlongWithTheViewersShowMeHow) {
    const QRgb pen = qRgb(0xC0, 0, 0);
    frmPreview* viewer = frmPreview::instance();
    QTest::mouseClick(viewer->buttonWidget(ViewerCommand::TraceSwitch), Qt::LeftButton);
    QTest::mouseClick(viewer->buttonWidget(ViewerCommand::StepOn), Qt::LeftButton);
    const QImage step = canvas->grab().toImage();
    QTest::mouseClick(viewer->buttonWidget(ViewerCommand::ShowHow), Qt::LeftButton);
    ASSERT_TRUE(state<bool>(viewer, "playing"));
    int lines = foreign(canvas->grab().toImage(), pen);
    EXPECT_LT(lines, foreign(step, pen)) << "the play starts on the step before";
    for (int growth = 0; growth < 2; ++growth) {
        const int before = lines;
        ASSERT_TRUE(QTest::qWaitFor([&] {
            lines = foreign(canvas->grab().toImage(), pen);
            return lines > before + 100 || !state<bool>(viewer, "playing");
        }));
        EXPECT_TRUE(state<bool>(viewer, "playing")) << "growth " << growth;
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return !state<bool>(viewer, "playing"); }, 6000));
    EXPECT_EQ(canvas->grab().toImage(), step);
    EXPECT_EQ(script->count(), 0);
}

// One finger draws as the mouse does; a second finger touching meanwhile neither joins the two with a line
// nor draws a stroke of its own; lifting the fingers ends the stroke, one undo step.
TEST_F(CommandTest, OneFingerDrawsASecondFingerDoesNot) {
    const QRgb pen = qRgb(0xC0, 0, 0);
    QPointingDevice* screen = QTest::createTouchDevice();
    stroke({20, 20}, {200, 20});
    const QImage before = canvas->Image();
    QTest::touchEvent(canvas, screen).press(0, {100, 100});
    QTest::touchEvent(canvas, screen).move(0, {200, 100});
    QTest::touchEvent(canvas, screen).move(0, {300, 100}).press(1, {300, 300});
    QTest::touchEvent(canvas, screen).move(0, {400, 100}).move(1, {100, 300});
    QTest::touchEvent(canvas, screen).release(0, {400, 100}).stationary(1);
    QTest::touchEvent(canvas, screen).release(1, {100, 300});
    const QImage drawn = canvas->Image();
    for (const QPoint& on : {QPoint(150, 100), QPoint(350, 100)})
        EXPECT_EQ(drawn.pixel(on) | 0xFF000000, pen) << on.x();
    for (const QPoint& off : {QPoint(300, 200), QPoint(200, 300), QPoint(350, 200)})
        EXPECT_EQ(drawn.pixel(off) | 0xFF000000, 0xFFFFFFFF) << off.x() << "," << off.y();
    QTest::mouseClick(window->buttonWidget(Command::Undo), Qt::LeftButton);
    EXPECT_EQ(canvas->Image(), before) << "the fingers' stroke was one undo step";
}

#if QT_CONFIG(tabletevent)
// A pen draws as the mouse does, one undo step a stroke; hovering over the canvas draws nothing.
TEST_F(CommandTest, APenDrawsAsTheMouseDoes) {
    const QRgb pen = qRgb(0xC0, 0, 0);
    const QPointingDevice stylus(QStringLiteral("stylus"), 1, QInputDevice::DeviceType::Stylus,
                                 QPointingDevice::PointerType::Pen, QInputDevice::Capability::Position, 1, 2);
    const auto send = [&](QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held) {
        QTabletEvent event(type, &stylus, at, canvas->mapToGlobal(at), 0.5, 0, 0, 0, 0, 0, {}, button, held);
        QApplication::sendEvent(canvas, &event);
        EXPECT_TRUE(event.isAccepted());
    };
    const QImage before = canvas->Image();
    send(QEvent::TabletMove, {100, 300}, Qt::NoButton, Qt::NoButton);
    send(QEvent::TabletMove, {300, 300}, Qt::NoButton, Qt::NoButton);
    send(QEvent::TabletPress, {100, 100}, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::TabletMove, {300, 100}, Qt::NoButton, Qt::LeftButton);
    send(QEvent::TabletRelease, {300, 100}, Qt::LeftButton, Qt::NoButton);
    const QImage drawn = canvas->Image();
    EXPECT_EQ(drawn.pixel(200, 100) | 0xFF000000, pen);
    EXPECT_EQ(drawn.pixel(200, 300) | 0xFF000000, 0xFFFFFFFF) << "the hovering pen drew";
    QTest::mouseClick(window->buttonWidget(Command::Undo), Qt::LeftButton);
    EXPECT_EQ(canvas->Image(), before);
}
#endif

// The grown-ups' keys, pressed as a keyboard does, each run their button's command; a key whose button is
// disabled does nothing.
TEST_F(CommandTest, EachShortcutRunsItsButtonsCommand) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    frmPreview* viewer = frmPreview::instance();
    QStringList titles;
    const auto asking = InputBox::answerSeam.replace([&](const QString&, const QString& title) {
        titles << title;
        return QString();
    });
    QStringList opened;
    const auto opener = Shell::openSeam.replace([&](const QString& target) {
        opened << target;
        return true;
    });
    QDir(home.programFolder()).mkpath(QStringLiteral("help/de"));
    QFile page(home.programFolder() + QStringLiteral("/help/de/index.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("page.pdf")));
    const auto pdf = Drucker::printerSeam.replace(&printer);
    answer = MsgBox::AnswerNo;
    QImage white(canvas->size(), QImage::Format_RGB32);
    white.fill(Qt::white);
    QImage before;
    struct Row {
        const char* name;
        QKeyCombination key;
        std::function<void()> before;
        std::function<bool()> ran;
    };
    const Row rows[] = {
        {"Ctrl+N", Qt::CTRL | Qt::Key_N,
         [&] {
             stroke({20, 20}, {200, 20});
         },
         [&] { return canvas->Image() == white; }},
        {"Ctrl+Z, nothing to undo", Qt::CTRL | Qt::Key_Z, {}, [&] { return canvas->Image() == white; }},
        {"Ctrl+Z", Qt::CTRL | Qt::Key_Z,
         [&] {
             stroke({20, 20}, {200, 20});
             before = canvas->Image();
             stroke({20, 60}, {200, 60});
         },
         [&] { return canvas->Image() == before; }},
        {"Ctrl+S", Qt::CTRL | Qt::Key_S, {}, [&] { return titles == QStringList{GetLang(Text::SaveTitle)}; }},
        {"Ctrl+P", Qt::CTRL | Qt::Key_P, {}, [&] { return QFileInfo(printer.outputFileName()).size() > 0; }},
        {"Ctrl+O",
         Qt::CTRL | Qt::Key_O,
         {},
         [&] { return part<PictureBox>(viewer, "picPanel", 2)->isVisibleTo(viewer); }},
        {"Page Down, file panel shown", QKeyCombination(Qt::Key_PageDown), {}, [&] { return StepNo == 0; }},
        {"Page Down", QKeyCombination(Qt::Key_PageDown),
         [&] { viewer->bzlButton_Click(ViewerCommand::TakeDrawing); }, [&] { return StepNo == 1; }},
        {"Page Up", QKeyCombination(Qt::Key_PageUp), {}, [&] { return StepNo == 0; }},
        {"F1", QKeyCombination(Qt::Key_F1), {}, [&] { return opened.size() == 1; }},
        {"Ctrl+Q",
         Qt::CTRL | Qt::Key_Q,
         {},
         [&] { return asked == QStringList{GetLang(Text::ExitQuestion)}; }},
    };
    for (const Row& row : rows) {
        if (row.before)
            row.before();
        QTest::keyClick(window, row.key.key(), row.key.keyboardModifiers());
        EXPECT_TRUE(row.ran()) << row.name;
    }
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(script->count(), 0);
}

TEST_F(CommandTest, TheTooltipsNameTheShortcutsInTheKeyboardsWordsOfTheLanguage) {
    home.installGermanAndEnglish();
    const std::tuple<int, const char*, const char*, const char*> languages[] = {
        {1, "en", "New page (Ctrl+N)", "Next (PgDown)"},
        {0, "de", "Neues Blatt (Strg+N)", "Weiter (Bild abwärts)"}};
    for (const auto& [index, code, newPage, next] : languages) {
        LangIndex = static_cast<int16_t>(index);
        LanguageChange::announce(QString::fromLatin1(code));
        const QString expected = QString::fromUtf8(newPage);
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return window->buttonWidget(Command::NewPage)->toolTip() == expected;
        })) << window->buttonWidget(Command::NewPage)->toolTip().toStdString();
        EXPECT_EQ(frmPreview::instance()->buttonWidget(ViewerCommand::StepOn)->toolTip(),
                  QString::fromUtf8(next));
        EXPECT_EQ(window->buttonWidget(Command::ColorWindow)->toolTip(), GetLang(Text::ColorWindowTip))
            << "no key, no mention";
    }
    EXPECT_EQ(frmPreview::instance()->buttonWidget(ViewerCommand::TraceSwitch)->toolTip(),
              QStringLiteral("Nachzeichnen ein/aus"));
}

} // namespace
