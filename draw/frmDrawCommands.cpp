// The drawing window's commands: its ten buttons, the help menu and the language flags.
#include "draw/frmDraw.h"

#include "base/Addresses.h"
#include "base/VbConvert.h"
#include "base/VbError.h"
#include "color/frmColor.h"
#include "controls/InputBox.h"
#include "controls/ModalWindow.h"
#include "controls/MsgBox.h"
#include "core/Allgemein.h"
#include "draw/DrawingFile.h"
#include "draw/DrawingRecovery.h"
#include "draw/GrownUpQuestion.h"
#include "draw/HelpFile.h"
#include "errors/ErrorTrap.h"
#include "info/frmInfo.h"
#include "lessons/DrawingsFolder.h"
#include "lessons/Drucker.h"
#include "lessons/frmPreview.h"
#include "platform/LanguageChange.h"
#include "platform/Shell.h"

#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>

using namespace Allgemein;

namespace {
const QString Module = QStringLiteral("frmDraw");
constexpr uint32_t Black = 0x000000;
constexpr uint32_t Red = 0x0000FF;

enum Command { NewPage, Undo, Gallery, Save, ColourWindow, Print, Sound, HelpMenu, WebPage, Exit };
} // namespace

void frmDraw::bzlButton_Click(int16_t Index) {
    ErrorTrap trap(QStringLiteral("bzlButton_Click"), Module);
    if (!trap(10, [] {
            if (SoundOn)
                PlayWAV(101);
        }))
        return;
    switch (Index) {
    case NewPage:
        // Both layers become white: a new page never shows an older drawing again.
        trap.run({{20,
                   [] {
                       if (SoundOn)
                           PlayWAV(107);
                   }},
                  {30, [this] { bzlButton[UndoButton].setEnabled(VbConvert::False); }},
                  {40, [this] { picBild->clear(); }},
                  {50, [this] { picBild->update(); }},
                  {55, [this] { m_recovery->discard(); }}});
        break;
    case Undo:
        trap.run({{60, [this] { picBild->restoreUndoCopy(); }},
                  {70, [this] { bzlButton[UndoButton].setEnabled(VbConvert::False); }},
                  {75, [this] { m_recovery->changed(); }}});
        break;
    case Gallery:
        trap(80, [this] { lessonViewer()->showFilePanel(); });
        break;
    case Save:
        saveDrawing(trap);
        break;
    case ColourWindow:
        trap.run({{150, [this] { showColorWindow(); }}, {160, [] { ColorWinOpen = VbConvert::True; }}});
        break;
    case Print:
        trap(170, [this] {
            Drucker::GetPrintMargins(PageMargin[0], PageMargin[1], PageMargin[2], PageMargin[3]);
            Drucker::PrintOnDefaultPrinter(picBild->Image(), PageMargin, lblCopyright->font().family(),
                                           QString::fromLatin1(AppTitle) + QStringLiteral("  |  ") +
                                               lblCopyright->text());
        });
        break;
    case Sound:
        toggleSound(trap);
        break;
    case HelpMenu:
        trap(200, [this] { mnuHelp->popup(QCursor::pos()); });
        break;
    case WebPage:
        trap(210, [] { Shell::execute(QString::fromLatin1(Addresses::WebPage)); });
        break;
    case Exit:
        exitProgram(trap);
        break;
    default:
        break;
    }
}

void frmDraw::saveDrawing(ErrorTrap& trap) {
    bool replaceAllowed = true;
    trap.run({
        {90,
         [this] {
             m_picName = InputBox::ask(this, GetLang(132), GetLang(133));
             lessonViewer()->chooseDrawing(m_picName);
         }},
        {100,
         [&] {
             if (m_picName.isEmpty())
                 replaceAllowed = false;
         }},
    });
    if (!replaceAllowed)
        return;
    trap.run({
        {110,
         [this] {
             m_picName = DrawingFile::withExtension(m_picName);
             lessonViewer()->chooseDrawing(m_picName);
         }},
        {120,
         [this] {
             if (!DrawingFile::isPlainName(m_picName))
                 VbError::raise(VbErr::BadFileName);
         }},
        {130,
         [&] {
             if (!QFileInfo::exists(QDir(DrawingsFolder::path()).filePath(m_picName)))
                 return;
             replaceAllowed = MsgBox::show(this, GetLang(134) + QStringLiteral("\r\n") + GetLang(135),
                                           MsgBox::Buttons::YesNo, GetLang(132), MsgBox::Icon::Question,
                                           MsgBox::Default::Second) == MsgBox::AnswerYes;
         }},
        {140,
         [&] {
             if (replaceAllowed)
                 DrawingFile::save(picBild->Image(), m_picName);
         }},
    });
}

void frmDraw::toggleSound(ErrorTrap& trap) {
    trap.run({{180, [] { SoundOn = static_cast<int16_t>(~SoundOn); }},
              {190, [this] { bzlButton[SoundButton].setForeColor(SoundOn ? Black : Red); }}});
}

// The exit button, Ctrl+Q and the desktop's close all come here. In a kiosk session (AllowExit=0 in
// the machine-wide settings) a grown-up's sum comes before the usual question.
void frmDraw::exitProgram(ErrorTrap& trap) {
    bool allowed = false;
    if (!trap.run({{215, [&] { allowed = ExitAllowed() || GrownUpQuestion::ask(this); }}}) || !allowed)
        return;
    bool confirmed = false;
    if (trap.run({{220,
                   [&] {
                       confirmed =
                           MsgBox::show(this, GetLang(114), MsgBox::Buttons::YesNo, GetLang(100),
                                        MsgBox::Icon::Question, MsgBox::Default::First) == MsgBox::AnswerYes;
                   }},
                  // A chosen end gives up the drawing not saved, so it does not come back at the next start.
                  {225,
                   [&] {
                       if (!confirmed)
                           return;
                       m_recovery->discard();
                       m_recovery->finish();
                   }}}) &&
        confirmed)
        endProgram(trap);
}

void frmDraw::endProgram(ErrorTrap& trap) {
    trap.run({{230, [] { EndProgram(); }}, {240, [] { QCoreApplication::quit(); }}});
}

void frmDraw::Form_QueryUnload() {
    ErrorTrap trap(QStringLiteral("Form_QueryUnload"), Module);
    exitProgram(trap);
}

void frmDraw::imgLang_Click(int16_t Index) {
    ErrorTrap trap(QStringLiteral("imgLang_Click"), Module);
    if (!trap(10, [] {
            if (SoundOn)
                PlayWAV(101);
        }))
        return;
    const auto changes = trap.condition(20, [Index] { return LangIndex != Index; });
    if (!changes || !*changes)
        return;
    trap.run({{30, [Index] { LangIndex = Index; }},
              {40, [Index] { WriteOption(QStringLiteral("Sprache"), QString::number(Index)); }},
              {50, [this] { Sprache(); }},
              {60, [] { LanguageChange::announce(LangCode()); }}});
}

void frmDraw::mnuHilfe_Click() {
    ErrorTrap trap(QStringLiteral("mnuHilfe_Click"), Module);
    trap(10, [] { HelpFile::open(LangIndex); });
}

void frmDraw::mnuEmail_Click() {
    ErrorTrap trap(QStringLiteral("mnuEmail_Click"), Module);
    trap(10, [] {
        Shell::execute(QStringLiteral("mailto:") + QString::fromLatin1(Addresses::SupportMail) +
                       QStringLiteral("?Subject=") + QString::fromLatin1(AppTitle));
    });
}

void frmDraw::mnuUeber_Click() {
    ErrorTrap trap(QStringLiteral("mnuUeber_Click"), Module);
    trap(10, [] { ModalWindow::exec(frmInfo::instance()); });
}
