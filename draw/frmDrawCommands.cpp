// SPDX-License-Identifier: GPL-3.0-or-later
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
#include <brizel/AccessibleHints.h>

using namespace Allgemein;

namespace {
const QString Module = QStringLiteral("frmDraw");
constexpr uint32_t Black = 0x000000;
constexpr uint32_t Red = 0x0000FF;
} // namespace

brizel::IBrizel& frmDraw::button(Command command) const {
    return bzlButton[static_cast<int>(command)];
}

QWidget* frmDraw::buttonWidget(Command command) const {
    return bzlButton.widget(static_cast<int>(command));
}

void frmDraw::bzlButton_Click(Command command) {
    bzlButton_Click(static_cast<int16_t>(command));
}

// One line per button, in the order of their indices.
const frmDraw::CommandTable& frmDraw::commands() {
    static constexpr CommandTable table{{
        {Command::NewPage, &frmDraw::newPage, Text::NewPageTip, Qt::CTRL | Qt::Key_N},
        {Command::Undo, &frmDraw::undo, Text::UndoTip, Qt::CTRL | Qt::Key_Z},
        {Command::Gallery, &frmDraw::openGallery, Text::OpenTip, Qt::CTRL | Qt::Key_O},
        {Command::Save, &frmDraw::saveDrawing, Text::SaveTitle, Qt::CTRL | Qt::Key_S},
        {Command::ColorWindow, &frmDraw::openColorWindow, Text::ColorWindowTip},
        {Command::Print, &frmDraw::printDrawing, Text::PrintTip, Qt::CTRL | Qt::Key_P},
        {Command::SoundSwitch, &frmDraw::toggleSound, Text::SoundTip},
        {Command::HelpMenu, &frmDraw::openHelpMenu, Text::HelpMenu, QKeyCombination(Qt::Key_F1)},
        {Command::WebPage, &frmDraw::openWebPage, Text::WebPageTip},
        // With its question.
        {Command::Exit, &frmDraw::exitProgram, Text::ExitTip, Qt::CTRL | Qt::Key_Q},
    }};
    static_assert(coversEveryButton(table, CommandCount));
    return table;
}

// Every button clicks first; an index that names no command does nothing more.
void frmDraw::bzlButton_Click(int16_t Index) {
    ErrorTrap trap(QStringLiteral("bzlButton_Click"), Module);
    if (!trap(10, [] { sound(Sound::Click); }))
        return;
    if (Index >= 0 && Index < CommandCount)
        (this->*commands()[static_cast<size_t>(Index)].run)(trap);
}

// Both layers become white: a new page never shows an older drawing again.
void frmDraw::newPage(ErrorTrap& trap) {
    trap.run({{20, [] { sound(Sound::NewPicture); }},
              {30, [this] { button(Command::Undo).setEnabled(VbConvert::False); }},
              {40, [this] { picBild->clear(); }},
              {50, [this] { picBild->update(); }},
              {55, [this] { m_recovery->discard(); }}});
}

void frmDraw::undo(ErrorTrap& trap) {
    trap.run({{60, [this] { picBild->restoreUndoCopy(); }},
              {70, [this] { button(Command::Undo).setEnabled(VbConvert::False); }},
              {75, [this] { m_recovery->changed(); }}});
}

void frmDraw::openGallery(ErrorTrap& trap) {
    trap(80, [this] { lessonViewer()->showFilePanel(); });
}

void frmDraw::saveDrawing(ErrorTrap& trap) {
    bool replaceAllowed = true;
    trap.run({
        {90,
         [this] {
             m_picName = InputBox::ask(this, GetLang(Text::SavePrompt), GetLang(Text::SaveTitle));
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
             replaceAllowed =
                 MsgBox::show(
                     this, GetLang(Text::NameTaken) + QStringLiteral("\r\n") + GetLang(Text::ReplaceQuestion),
                     MsgBox::Buttons::YesNo, GetLang(Text::SavePrompt), MsgBox::Icon::Question,
                     MsgBox::Default::Second) == MsgBox::AnswerYes;
         }},
        {140,
         [&] {
             if (replaceAllowed)
                 DrawingFile::save(picBild->Image(), m_picName);
         }},
    });
}

void frmDraw::openColorWindow(ErrorTrap& trap) {
    trap.run({{150, [this] { showColorWindow(); }}, {160, [] { ColorWinOpen = VbConvert::True; }}});
}

void frmDraw::printDrawing(ErrorTrap& trap) {
    trap(170, [this] {
        Drucker::GetPrintMargins(PageMargin[0], PageMargin[1], PageMargin[2], PageMargin[3]);
        Drucker::PrintOnDefaultPrinter(picBild->Image(), PageMargin, lblCopyright->font().family(),
                                       QString::fromLatin1(AppTitle) + QStringLiteral("  |  ") +
                                           lblCopyright->text());
    });
}

void frmDraw::toggleSound(ErrorTrap& trap) {
    trap.run({{180, [] { SoundOn = static_cast<int16_t>(~SoundOn); }},
              {190, [this] {
                   button(Command::SoundSwitch).setForeColor(SoundOn ? Black : Red);
                   showSoundSwitch();
               }}});
}

// The caption's colour shows the state; a screen reader is told it as a switch's.
void frmDraw::showSoundSwitch() {
    buttonWidget(Command::SoundSwitch)->setProperty(brizel::AccessibleHints::SwitchOn, SoundOn != 0);
}

// A click opens the menu at the pointer; the keyboard or a screen reader, with the pointer elsewhere,
// opens it at the button, below it where the screen has room.
void frmDraw::openHelpMenu(ErrorTrap& trap) {
    trap(200, [this] {
        const QWidget* help = buttonWidget(Command::HelpMenu);
        const QPoint pointer = QCursor::pos();
        const bool clicked = help->rect().contains(help->mapFromGlobal(pointer));
        mnuHelp->popup(clicked ? pointer : help->mapToGlobal(QPoint(0, help->height())));
    });
}

void frmDraw::openWebPage(ErrorTrap& trap) {
    trap(210, [] { Shell::execute(QString::fromLatin1(Addresses::WebPage)); });
}

// In a kiosk session (AllowExit=0 in the machine-wide settings) only a grown-up's right sum lets the
// program end.
bool frmDraw::endAllowed(ErrorTrap& trap, QWidget* owner) {
    bool allowed = false;
    return trap.run({{215, [&] { allowed = ExitAllowed() || GrownUpQuestion::ask(owner); }}}) && allowed;
}

// The exit button, Ctrl+Q and the desktop's close all come here; the sum of a kiosk session comes before
// the usual question.
void frmDraw::exitProgram(ErrorTrap& trap) {
    if (!endAllowed(trap, this))
        return;
    bool confirmed = false;
    if (trap.run({{220,
                   [&] {
                       confirmed = MsgBox::show(this, GetLang(Text::ExitQuestion), MsgBox::Buttons::YesNo,
                                                GetLang(Text::ProgramName), MsgBox::Icon::Question,
                                                MsgBox::Default::First) == MsgBox::AnswerYes;
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
    if (!trap(10, [] { sound(Sound::Click); }))
        return;
    const auto changes = trap.condition(20, [Index] { return LangIndex != Index; });
    if (!changes || !*changes)
        return;
    trap.run({{30, [Index] { LangIndex = Index; }},
              {40, [Index] { StoreChoice(QStringLiteral("Sprache"), Index, 0); }},
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
