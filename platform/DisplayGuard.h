// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>
#include <vector>

// Held while the application object connects to the display. Without a display (none set, or one that
// does not answer) Qt ends the program with an abort and a screenful about platform plugins; here the
// program instead says in one line that it needs a graphical desktop and ends with status 1. Qt's
// warnings of that time are held back and passed on once the display is open.
class DisplayGuard {
public:
    DisplayGuard();
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;

    // The one line said when no display could be opened.
    static QString noDisplayLine();

private:
    // A message of Qt's with its context; the context's texts are Qt's static strings.
    struct Held {
        QtMsgType type;
        const char* file;
        int line;
        const char* function;
        const char* category;
        QString message;
    };
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message);

    QtMessageHandler m_previous;
    std::vector<Held> m_held;
};
