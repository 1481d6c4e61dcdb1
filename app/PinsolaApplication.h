// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/RepeatedAnswerKeys.h"
#include "platform/TerminationSignal.h"

#include <QApplication>

// The program's application object. An error that escapes every error trap (a property setter called
// by name, a slot, a platform function) reaches the error window here instead of ending the program.
// The desktop session's end keeps the options: the session manager's commit request stores them, and a
// termination signal (logout, shutdown) ends the program through EndProgram.
class PinsolaApplication : public QApplication {
    Q_OBJECT

public:
    PinsolaApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Whether any window of the program is visible; without one the user could neither see nor end it.
    static bool anyWindowShown();

private:
    TerminationSignal m_termination;
    RepeatedAnswerKeys m_repeatedAnswerKeys;
};
