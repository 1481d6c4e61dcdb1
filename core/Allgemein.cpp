#include "core/Allgemein.h"

#include "core/Forms.h"
#include "draw/frmDraw.h"
#include "errors/ErrorTrap.h"
#include "errors/ProgramEnd.h"
#include "info/frmInfo.h"
#include "platform/ProgramFolder.h"
#include "platform/SingleInstance.h"
#include "platform/VbConvert.h"

#include <QCoreApplication>

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
} // namespace

void Main() {
    ErrorTrap trap(QStringLiteral("Main"), QStringLiteral("Allgemein"));
    if (!trap(10, [] {
            if (SingleInstance::anotherIsRunning(AppTitle))
                ProgramEnd::now();
        }))
        return;
    if (!trap(20, [] { LoadConfig(); }))
        return;
    if (!trap(30, [] { LangIndex = VbConvert::toInteger(ReadOption("Sprache", "0")); }))
        return;
    const auto converts = trap.condition(40, [] { return LangIndex > 10; });
    if (!converts)
        return;
    if (*converts && !trap.run({{50, [] { LangIndex = static_cast<int16_t>(LangIndex / 1000); }},
                                {60, [] { WriteOption("Sprache", QString::number(LangIndex)); }}}))
        return;
    trap.run({
        {70, [] { fillLangFile(); }},
        {80, [] { StartupInfo = VbConvert::True; }},
        {90, [] { frmInfo::instance()->show(); }},
        {100, [] { frmDraw::instance(); }},
    });
}

void EndProgram() {
    ErrorTrap trap(QStringLiteral("EndProgram"), QStringLiteral("Allgemein"));
    trap.resumeNext();
    trap(10, [] { SaveConfig(); });
    // Each unload is a statement of its own: a window that fails to unload does not keep the
    // windows loaded before it from unloading (and saving their state).
    const QList<QWidget*> windows = Forms::loaded();
    for (qsizetype i = windows.size() - 1; i >= 0; --i)
        trap(20, [&] { Forms::unload(windows.at(i)); });
    trap(30, [] {
        if (!Forms::loaded().isEmpty())
            ProgramEnd::now();
    });
}

} // namespace Allgemein
