// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Main.h"

#include "app/FirstPaint.h"
#include "base/VbConvert.h"
#include "base/VbError.h"
#include "core/Allgemein.h"
#include "core/Forms.h"
#include "draw/frmDraw.h"
#include "errors/ErrorTrap.h"
#include "errors/ProgramEnd.h"
#include "info/frmInfo.h"
#include "platform/DesktopLanguages.h"
#include "platform/ProgramFolder.h"
#include "platform/QtTranslation.h"
#include "platform/SingleInstance.h"

#include <QApplication>
#include <QTimer>

namespace Allgemein {

namespace {
void fillLangFile() {
    const QString folder = ProgramFolder::path();
    LangFile[0] = folder + QStringLiteral("/deutsch.lng");
    LangFile[1] = folder + QStringLiteral("/english.lng");
    LangFile[2] = folder + QStringLiteral("/swedish.lng");
    LangFile[3] = folder + QStringLiteral("/italian.lng");
    LangFile[4] = folder + QStringLiteral("/spanish.lng");
    LangFile[6] = folder + QStringLiteral("/french.lng");
}

// The stored language as a number; a text that does not convert names no language either.
int16_t storedLanguage(const QString& text) {
    try {
        return VbConvert::toInteger(text);
    } catch (const VbError&) {
        return -1;
    }
}

// An index that names no slot of the table would fail every text lookup of every window, one error
// window after another, and slot 5 names no language: the session speaks German, and the value is
// reported as a bad option.
void settleUnknownLanguage(const QString& stored) {
    constexpr int16_t NoLanguage = 5;
    if (LangIndex >= 0 && LangIndex < static_cast<int>(LangFile.size()) && LangIndex != NoLanguage)
        return;
    NoteBadOption(QStringLiteral("Sprache"), stored, QStringLiteral("0"));
    LangIndex = 0;
}
// The language a first start speaks, with no language stored for the user or the machine: the desktop's,
// where the program speaks it, else German.
QString desktopLanguage() {
    for (const QString& code : DesktopLanguages::preferred())
        if (const int16_t index = LangIndexOf(code); index >= 0)
            return QString::number(index);
    return QStringLiteral("0");
}

// A child who starts the program again is looking for it: the window that waits for an answer, else the
// drawing window, else the start screen comes to the front, restored if it was minimized.
QWidget* frontWindow() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    QWidget* shown = nullptr;
    for (QWidget* form : Forms::loaded()) {
        if (form->isVisible() && (!shown || qobject_cast<frmDraw*>(form)))
            shown = form;
    }
    return shown;
}

void comeForward() {
    QWidget* window = frontWindow();
    if (!window)
        return;
    window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->show();
    window->raise();
    window->activateWindow();
}

bool startScreenTimerHeld = false;

// The drawing window, hidden behind the start screen, loads once the start screen is on the screen, so
// the child sees the start screen without waiting for it. Its load reports errors as this statement.
void loadDrawingWindow() {
    ErrorTrap trap(QStringLiteral("Main"), QStringLiteral("Allgemein"));
    trap(110, [] { frmDraw::instance(); });
    if (startScreenTimerHeld && frmInfo::instance()->isVisible())
        frmInfo::instance()->closingTimer()->start();
}
// The start screen's 2.5 s count from when it is on the screen and answers, with the drawing window loaded
// behind it: counted from its load, on a busy machine it closed before a child could pick a language.
void holdStartScreenTimer() {
    QTimer* closing = frmInfo::instance()->closingTimer();
    startScreenTimerHeld = closing->isActive();
    closing->stop();
}
// Shown and made active at once, so it puts on its texts in the language picked on the start screen.
void showDrawingWindow() {
    frmDraw* window = frmDraw::instance();
    if (window->isVisible())
        return;
    window->show();
    window->activateWindow();
}
} // namespace

void Main() {
    ErrorTrap trap(QStringLiteral("Main"), QStringLiteral("Allgemein"));
    trap(5, [] { frmInfo::decodePicturesAhead(); });
    if (!trap(10, [] {
            if (SingleInstance::anotherIsRunning(AppTitle)) {
                SingleInstance::askToComeForward();
                ProgramEnd::now();
            }
            SingleInstance::onAskedToComeForward(qApp, [] { comeForward(); });
        }))
        return;
    if (!trap(20, [] { LoadConfig(); }))
        return;
    QString stored;
    if (!trap(30, [&] {
            stored = ReadOption("Sprache", desktopLanguage());
            LangIndex = storedLanguage(stored);
        }))
        return;
    const auto converts = trap.condition(40, [] { return LangIndex > 10; });
    if (!converts)
        return;
    if (*converts && !trap.run({{50, [] { LangIndex = static_cast<int16_t>(LangIndex / 1000); }},
                                {60, [] { StoreChoice(QStringLiteral("Sprache"), LangIndex, 0); }}}))
        return;
    trap.run({
        {70,
         [&] {
             settleUnknownLanguage(stored);
             QtTranslation::use(LangCode());
         }},
        {75, [] { ReportBadOptions(); }},
        {80, [] { fillLangFile(); }},
        {90, [] { StartupInfo = VbConvert::True; }},
        {100,
         [] {
             QObject::connect(frmInfo::instance(), &frmInfo::mainWindowWanted, [] { showDrawingWindow(); });
             frmInfo::instance()->show();
             holdStartScreenTimer();
         }},
        {110, [] { FirstPaint::then(frmInfo::instance(), [] { loadDrawingWindow(); }); }},
    });
}

} // namespace Allgemein
