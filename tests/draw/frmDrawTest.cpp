// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawFixture.h"

#include "color/frmColor.h"
#include "controls/ButtonArray.h"
#include "controls/ImageControl.h"
#include "controls/Twips.h"
#include "core/Allgemein.h"
#include "draw/RecoveryFile.h"
#include "lessons/frmPreview.h"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPainter>

namespace {

using Command = frmDraw::Command;
using ViewerCommand = frmPreview::Command;

using FormTest = DrawTest;

// 800 x 600 pixels are the 12000 x 9000 twips of the worked example: m = 360 twips = 24 pixels.
TEST_F(FormTest, LaysOutTheWorkedExample) {
    open(QSize(800, 600));
    EXPECT_EQ(part<PictureBox>(window, "picPanel")->geometry(), QRect(24, 275, 169, 289));
    EXPECT_EQ(part<DrawingCanvas>(window, "picBild")->geometry(), QRect(217, 157, 559, 419));
    EXPECT_EQ(part<QLabel>(window, "lblRahmen")->geometry(), QRect(210, 150, 573, 434));
    EXPECT_EQ(part<QLabel>(window, "imgLogo", 0)->geometry(), QRect(296, 24, 480, 55))
        << "shrunk: 60 % by 6.9 % of the width";
    EXPECT_TRUE(part<QLabel>(window, "imgLogo", 1)->hasScaledContents());
    EXPECT_EQ(part<QLabel>(window, "lblCopyright")->pos(),
              QPoint(24, 600 - 2 * part<QLabel>(window, "lblCopyright")->height()));
    EXPECT_TRUE(part<QLabel>(window, "lblCopyright")->isVisible());
    EXPECT_EQ(script->count(), 0);
}

TEST_F(FormTest, TheLoadPreparesUndoSoundButtonAndPen) {
    Allgemein::SoundOn = 0;
    Allgemein::PenColor = 0x123456;
    Allgemein::PenWidth = 17;
    open();
    EXPECT_EQ(window->button(Command::Undo).Enabled(), 0) << "nothing to undo";
    EXPECT_EQ(window->button(Command::SoundSwitch).ForeColor(), 0x0000FFu) << "sound off shows red";
    EXPECT_EQ(window->button(Command::NewPage).ForeColor(), 0u);
    EXPECT_EQ(canvas->ForeColor(), 0x123456u);
    EXPECT_EQ(canvas->DrawWidth(), 17);
    EXPECT_FALSE(canvas->cursor().pixmap().isNull()) << "the pencil pointer";
}

TEST_F(FormTest, AStoredPenWidthOfZeroGoesToTheErrorWindowAndTheWindowStillOpens) {
    Allgemein::PenWidth = 0;
    open();
    ASSERT_EQ(script->count(), 1);
    EXPECT_EQ(script->shown()[0].number, QStringLiteral("380 (Invalid property value)"));
    EXPECT_EQ(script->shown()[0].procedure, QStringLiteral("Form_Load"));
    EXPECT_EQ(script->shown()[0].module, QStringLiteral("frmDraw"));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(FormTest, AWindowTooSmallForTheCanvasReportsAndStaysUsable) {
    open(QSize(150, 120));
    ASSERT_GE(script->count(), 1);
    EXPECT_EQ(script->shown()[0].number, QStringLiteral("380 (Invalid property value)"));
    EXPECT_EQ(script->shown()[0].procedure, QStringLiteral("Form_Resize"));
    const int reports = script->count();
    window->setFixedSize(800, 600);
    EXPECT_EQ(script->count(), reports) << "a normal size lays out without errors";
    EXPECT_EQ(part<DrawingCanvas>(window, "picBild")->geometry(), QRect(217, 157, 559, 419));
}

// The test screen is 800 x 600, too small for the three windows side by side: every resize shows the
// lesson viewer, at half size and off the button panel; the colour window, open, finds no room beside
// the panel and the viewer and stays closed until its button opens it.
TEST_F(FormTest, EveryResizeShowsTheLessonViewerOffThePanelAndTheColourWindowOnlyWhereItHasRoom) {
    Allgemein::PreviewSize = -1;
    open();
    frmPreview* viewer = frmPreview::instance();
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->parentWidget(), window) << "owned by the drawing window";
    EXPECT_FALSE(frmColor::instance()->isVisible());
    viewer->hide();
    Allgemein::ColorWinOpen = -1;
    window->setFixedSize(820, 615);
    const QRect panel(part<PictureBox>(window, "picPanel")->mapToGlobal(QPoint(0, 0)),
                      part<PictureBox>(window, "picPanel")->size());
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(Allgemein::PreviewSize, 0) << "half size";
    EXPECT_FALSE(viewer->frameGeometry().intersects(panel));
    EXPECT_FALSE(frmColor::instance()->isVisible());
    EXPECT_EQ(Allgemein::ColorWinOpen, 0);
    window->bzlButton_Click(Command::ColorWindow);
    EXPECT_TRUE(frmColor::instance()->isVisible());
    EXPECT_FALSE(frmColor::instance()->frameGeometry().intersects(panel));
    EXPECT_EQ(script->count(), 0);
}

struct LanguageCase {
    int16_t langIndex;
    const char* file;
    const char* newPageTip;
    const char* exitTip;
    const char* showHowTip;
    bool germanLogo;
};

class Sprache : public DrawTest, public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(Sprache, PutsTheLanguagesTextsOnButtonsMenuViewerAndLogo) {
    const LanguageCase& c = GetParam();
    QFile::copy(QStringLiteral(PROGRAM_DIR "/") + c.file, home.programFolder() + "/" + c.file);
    Allgemein::LangFile = {};
    Allgemein::LangFile[static_cast<size_t>(c.langIndex)] = home.programFolder() + "/" + c.file;
    Allgemein::LangIndex = c.langIndex;
    open();
    window->Sprache();
    // Followed by the shortcut in Qt's words of the language (see CommandsTest).
    EXPECT_TRUE(
        window->buttonWidget(Command::NewPage)->toolTip().startsWith(QString::fromUtf8(c.newPageTip) + " ("));
    EXPECT_TRUE(
        window->buttonWidget(Command::Exit)->toolTip().startsWith(QString::fromUtf8(c.exitTip) + " ("));
    EXPECT_EQ(part<QAction>(window, "mnuEmail")->text(), QStringLiteral("E-Mail"));
    EXPECT_FALSE(part<QAction>(window, "mnuHilfe")->text().isEmpty());
    EXPECT_EQ(frmPreview::instance()->buttonWidget(ViewerCommand::TakeLesson)->toolTip(),
              QStringLiteral("OK"));
    EXPECT_TRUE(frmPreview::instance()
                    ->buttonWidget(ViewerCommand::StepBack)
                    ->toolTip()
                    .startsWith(Allgemein::GetLang(Text::BackTip) + " ("));
    EXPECT_FALSE(frmPreview::instance()->buttonWidget(ViewerCommand::StepBack)->toolTip().isEmpty());
    EXPECT_EQ(frmPreview::instance()->buttonWidget(ViewerCommand::ShowHow)->toolTip(),
              QString::fromUtf8(c.showHowTip));
    EXPECT_EQ(part<QLabel>(window, "imgLogo", 0)->isVisibleTo(window), c.germanLogo);
    EXPECT_EQ(part<QLabel>(window, "imgLogo", 1)->isVisibleTo(window), !c.germanLogo);
    EXPECT_EQ(script->count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Table, Sprache,
                         ::testing::Values(LanguageCase{0, "deutsch.lng", "Neues Blatt", "Pinsola beenden",
                                                        "Zeig mir, wie es geht", true},
                                           LanguageCase{1, "english.lng", "New page", "Close Pinsola",
                                                        "Show me how", false}));

TEST_F(FormTest, WithoutALanguageFileTheTextsAreEmptyButEMailAndOKStay) {
    for (const char* name : {"/deutsch.lng", "/english.lng"})
        QFile::remove(home.programFolder() + name);
    Allgemein::LangFile = {};
    Allgemein::LangFile[1] = home.programFolder() + "/english.lng";
    Allgemein::LangIndex = 1;
    open();
    window->Sprache();
    EXPECT_TRUE(window->buttonWidget(Command::Save)->toolTip().isEmpty());
    EXPECT_TRUE(part<QAction>(window, "mnuUeber")->text().isEmpty());
    EXPECT_EQ(part<QAction>(window, "mnuEmail")->text(), QStringLiteral("E-Mail"));
    EXPECT_EQ(frmPreview::instance()->buttonWidget(ViewerCommand::TakeDrawing)->toolTip(),
              QStringLiteral("OK"));
}

struct ButtonDesign {
    Command command;
    const char* caption;
    const char* family;
};

class StoredButtons : public DrawTest, public ::testing::WithParamInterface<ButtonDesign> {};

TEST_P(StoredButtons, ComeFromTheStoredDesign) {
    const ButtonDesign& c = GetParam();
    open();
    brizel::IBrizel& button = window->button(c.command);
    EXPECT_EQ(button.Caption(), QString::fromUtf8(c.caption));
    EXPECT_EQ(button.Font().families().value(0, button.Font().family()), QString::fromLatin1(c.family));
    EXPECT_EQ(button.ButtonType(), int32_t(brizel::ButtonTypes::KDE2));
    EXPECT_EQ(button.ColorScheme(), 2);
    EXPECT_EQ(button.BackColor(), 0x78BFDEu);
    EXPECT_EQ(button.BackOver(), 0xC0C0C0u);
    EXPECT_EQ(button.ForeColor(), c.command == Command::SoundSwitch ? 0x0000FFu : 0u);
    EXPECT_EQ(button.SpecialEffect(), 2);
    EXPECT_EQ(window->buttonWidget(c.command)->size(), QSize(49, 33));
}

INSTANTIATE_TEST_SUITE_P(Table, StoredButtons,
                         ::testing::Values(ButtonDesign{Command::NewPage, "o", "Wingdings"},
                                           ButtonDesign{Command::Undo, "Å", "Wingdings"},
                                           ButtonDesign{Command::Gallery, "1", "Wingdings"},
                                           ButtonDesign{Command::Save, "<", "Wingdings"},
                                           ButtonDesign{Command::ColorWindow, "!", "Wingdings"},
                                           ButtonDesign{Command::Print, "y", "Wingdings"},
                                           ButtonDesign{Command::SoundSwitch, ")", "Wingdings"},
                                           ButtonDesign{Command::HelpMenu, "?", "Arial Black"},
                                           ButtonDesign{Command::WebPage, "[", "Wingdings"},
                                           ButtonDesign{Command::Exit, "ý", "Wingdings"}));

TEST_F(FormTest, AChangedKeyInTheStoredDesignChangesThatButtonOnly) {
    QFile file(QStringLiteral(":/forms/frmDraw.frm"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(file.readAll());
    const qsizetype section = text.indexOf(QStringLiteral("[bzlButton(3)]"));
    const qsizetype key = text.indexOf(QStringLiteral("btype=14"), section);
    ASSERT_GT(key, section);
    text.replace(key, 8, QStringLiteral("btype=9"));
    QWidget parent;
    ButtonArray buttons;
    buttons.create(StoredForm::fromText(text), QStringLiteral("bzlButton"), &parent, {});
    ASSERT_EQ(buttons.count(), 10);
    EXPECT_EQ(buttons[3].ButtonType(), int32_t(brizel::ButtonTypes::OfficeXP));
    EXPECT_EQ(buttons[2].ButtonType(), int32_t(brizel::ButtonTypes::KDE2));
    EXPECT_EQ(buttons[4].ButtonType(), int32_t(brizel::ButtonTypes::KDE2));
}

TEST_F(FormTest, TheFlagsCarryTheirLanguagesNames) {
    open();
    const std::vector<std::pair<int, const char*>> flags{{0, "Deutsch"},  {1, "English"}, {2, "Svenska"},
                                                         {3, "Italiano"}, {4, "Español"}, {6, "Français"}};
    for (const auto& [index, name] : flags)
        EXPECT_EQ(part<ImageControl>(window, "imgLang", index)->toolTip(), QString::fromUtf8(name));
    EXPECT_EQ(window->findChild<ImageControl*>(QStringLiteral("imgLang(5)")), nullptr);
    EXPECT_EQ(part<ImageControl>(window, "imgLang", 4)->geometry(),
              Twips::toPixels(QRectF(1500, 3510, 480, 300)));
}

} // namespace

namespace {

// A drawing left by an earlier session, as the program keeps it: a red bar on white, 400 × 300.
const QRect Bar(50, 100, 300, 20);
QByteArray leftBitmap() {
    QImage picture(400, 300, QImage::Format_RGB888);
    picture.fill(Qt::white);
    QPainter(&picture).fillRect(Bar, Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "BMP");
    return bytes;
}

// The messages of the drawing's recovery while it lives.
class RecoveryLog {
public:
    RecoveryLog() : m_previous(qInstallMessageHandler(&collect)) { lines().clear(); }
    ~RecoveryLog() { qInstallMessageHandler(m_previous); }
    RecoveryLog(const RecoveryLog&) = delete;
    RecoveryLog& operator=(const RecoveryLog&) = delete;
    static QStringList& lines() {
        static QStringList collected;
        return collected;
    }

private:
    static void collect(QtMsgType, const QMessageLogContext& context, const QString& message) {
        if (qstrcmp(context.category, "pinsola.recovery") == 0)
            lines() << message;
    }
    QtMessageHandler m_previous;
};

struct LeftCase {
    const char* name;
    // Nothing: no drawing was left.
    QByteArray (*content)();
    bool comesBack;
    const char* logged;
};

void PrintTo(const LeftCase& c, std::ostream* os) {
    *os << c.name;
}

class LeftDrawing : public DrawTest, public ::testing::WithParamInterface<LeftCase> {};

// Whatever the state folder holds, the window opens without an error window; only a sound picture comes
// back, and a file that is none is removed so it is not tried again.
TEST_P(LeftDrawing, ComesBackAtTheStartOnlyWhenItIsASoundPicture) {
    const LeftCase& c = GetParam();
    const QString kept = RecoveryFile::path();
    if (c.content) {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(kept).path()));
        QFile file(kept);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.content());
    }
    RecoveryLog log;
    open();
    const QImage shown = canvas->Image();
    const int red = c.comesBack ? Bar.width() * Bar.height() : 0;
    EXPECT_EQ(count(shown, Bar, qRgb(255, 0, 0)), red);
    EXPECT_EQ(count(shown, shown.rect(), qRgb(255, 255, 255)), shown.width() * shown.height() - red);
    EXPECT_EQ(window->button(Command::Undo).Enabled(), 0) << "nothing to undo";
    EXPECT_EQ(QFile::exists(kept), c.comesBack) << "kept while it is not saved";
    ASSERT_EQ(log.lines().size(), c.logged ? 1 : 0) << log.lines().join('\n').toStdString();
    if (c.logged) {
        EXPECT_TRUE(log.lines()[0].contains(QString::fromUtf8(c.logged))) << log.lines()[0].toStdString();
    }
    EXPECT_EQ(script->count(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LeftDrawing,
    ::testing::Values(LeftCase{"sound", leftBitmap, true, "did not end normally"},
                      LeftCase{"truncated", [] { return leftBitmap().left(leftBitmap().size() / 2); }, false,
                               "the file ends before its picture data"},
                      LeftCase{"foreign", [] { return QByteArray("[Optionen]\nWidth=5\n"); }, false,
                               "it is not a picture"},
                      LeftCase{"none", nullptr, false, nullptr}),
    [](const testing::TestParamInfo<LeftCase>& row) { return std::string(row.param.name); });

TEST_F(FormTest, ThePanelIsFramedByADarkAndAWhiteOutline) {
    open();
    const QImage panel = part<PictureBox>(window, "picPanel")->picture().toImage();
    const int w = panel.width();
    const int h = panel.height();
    ASSERT_EQ(panel.size(), QSize(169, 289));
    const QRgb dark = qRgb(0x40, 0x40, 0x00);
    const QRgb white = qRgb(0xFF, 0xFF, 0xFF);
    for (const auto& [x, y, colour] : std::vector<std::tuple<int, int, QRgb>>{{0, 0, white},
                                                                              {w - 3, 0, white},
                                                                              {0, h - 3, white},
                                                                              {w - 3, h - 3, white},
                                                                              {w / 2, 0, white},
                                                                              {w - 1, h - 1, dark},
                                                                              {w - 1, 2, dark},
                                                                              {2, h - 1, dark},
                                                                              {w - 1, h / 2, dark},
                                                                              {w / 2, h - 1, dark}})
        EXPECT_EQ(panel.pixel(x, y), colour) << "at " << x << "," << y;
    EXPECT_NE(panel.pixel(w - 2, 1), dark) << "nothing drawn beside the outlines";
    EXPECT_NE(panel.pixel(w - 2, 1), white);
}

} // namespace
