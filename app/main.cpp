// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Main.h"
#include "app/CommandLine.h"
#include "app/PinsolaApplication.h"
#include "platform/DisplayGuard.h"
#include "platform/DisplayPlatform.h"
#include "platform/FontWarmUp.h"
#include "platform/ProcessEnd.h"
#include "platform/SingleInstance.h"
#include "platform/StartLimits.h"
#include "platform/ThreadExit.h"

#include <QFileInfo>
#include <QStringList>
#include <cstdio>
#include <new>
#include <optional>

namespace {
// Where the start cannot get what it needs, no window can say so: one line on standard error.
int cannotStart(const QString& why) {
    std::fprintf(stderr, "pinsola: %s\n", why.toLocal8Bit().constData());
    return 1;
}

// Help, version or a wrong argument: answered on the terminal without a display. Usage mistakes end with
// status 2, as command-line programs do.
int answer(const CommandLine& line, const QString& program) {
    switch (line.outcome()) {
    case CommandLine::Outcome::Help:
        std::fputs(CommandLine::helpText(program).toLocal8Bit().constData(), stdout);
        return 0;
    case CommandLine::Outcome::Version:
        std::fputs(CommandLine::versionText().toLocal8Bit().constData(), stdout);
        return 0;
    default:
        std::fprintf(stderr, "%s: %s\n\n%s", program.toLocal8Bit().constData(),
                     line.error().toLocal8Bit().constData(),
                     CommandLine::helpText(program).toLocal8Bit().constData());
        return 2;
    }
}

QStringList argumentList(int argc, char* argv[]) {
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list.append(QString::fromLocal8Bit(argv[i]));
    return list;
}
} // namespace

int main(int argc, char* argv[]) {
    ThreadExit::prepare();
    const QStringList given = argumentList(argc, argv);
    if (const CommandLine line(given); line.outcome() != CommandLine::Outcome::Run)
        return answer(line, given.isEmpty() ? QStringLiteral("pinsola") : QFileInfo(given[0]).fileName());
    if (const QString why = StartLimits::shortfall(); !why.isEmpty())
        return cannotStart(why);
    int status = 0;
    try {
        FontWarmUp fonts;
        std::vector<char*> arguments = DisplayPlatform::arguments(argc, argv);
        int count = static_cast<int>(arguments.size()) - 1;
        std::optional<DisplayGuard> display(std::in_place);
        PinsolaApplication app(count, arguments.data());
        display.reset();
        Allgemein::Main();
        fonts.waitUntilRead();
        // A start-up left early (Cancel on an error) shows no window; running on would keep the
        // single-instance lock, so every later start would end silently.
        status = PinsolaApplication::anyWindowShown() ? PinsolaApplication::exec() : 0;
        SingleInstance::release();
    } catch (const std::bad_alloc&) {
        return cannotStart(QStringLiteral("out of memory"));
    }
    return ProcessEnd::leaveMain(status);
}
