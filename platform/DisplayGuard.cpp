// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DisplayGuard.h"

#include "platform/ProcessEnd.h"

#include <cstdio>

namespace {
DisplayGuard* active = nullptr;
} // namespace

DisplayGuard::DisplayGuard() : m_previous(qInstallMessageHandler(&DisplayGuard::handle)) {
    active = this;
}

DisplayGuard::~DisplayGuard() {
    qInstallMessageHandler(m_previous);
    active = nullptr;
    for (const Held& held : m_held) {
        const QMessageLogContext context(held.file, held.line, held.function, held.category);
        qt_message_output(held.type, context, held.message);
    }
}

QString DisplayGuard::noDisplayLine() {
    const QByteArray display = qgetenv("DISPLAY");
    const QString where = display.isEmpty()
                              ? QStringLiteral("DISPLAY is not set")
                              : QStringLiteral("DISPLAY=%1").arg(QString::fromLocal8Bit(display));
    return QStringLiteral(
               "cannot start: Pinsola needs a graphical desktop, and no display could be opened (%1)")
        .arg(where);
}

void DisplayGuard::handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "pinsola: %s\n", noDisplayLine().toLocal8Bit().constData());
        std::fflush(stderr);
        // The application object is half made: nothing of the program runs yet, and nothing is to be kept.
        ProcessEnd::immediately(1);
    }
    active->m_held.push_back({type, context.file, context.line, context.function, context.category, message});
}
