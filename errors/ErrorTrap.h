// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "errors/ErrorDispatcher.h"

#include <QString>
#include <functional>
#include <initializer_list>
#include <optional>

// The error trap of one procedure. Statements run with their line marks (10, 20, 30 …); a failing
// statement is reported to the error window, and the user's decision retries it, skips it, leaves the
// procedure or ends the program.
class ErrorTrap {
public:
    using Statement = std::function<void()>;
    struct Line {
        int mark;
        Statement statement;
    };

    // Errors go to the program's error window.
    ErrorTrap(QString procedure, QString module);
    ErrorTrap(QString procedure, QString module, ErrorDispatcher& dispatcher);

    // Runs one statement; false means the procedure is to be left now.
    bool operator()(int mark, const Statement& statement);
    // Runs the statements in order; false when the procedure was left early.
    bool run(std::initializer_list<Line> lines);
    // The condition of a two-way branch. Skipping a failed condition enters the branch taken when it
    // holds; no value means the procedure is to be left.
    std::optional<bool> condition(int mark, const std::function<bool()>& test);
    // From now on a failing statement is skipped without a report.
    void resumeNext() { m_silent = true; }

private:
    enum class Outcome { Done, Retry, Skip, Leave };
    Outcome attempt(int mark, const Statement& statement);
    Outcome decide(int32_t number, const QString& description);

    QString m_procedure;
    QString m_module;
    ErrorDispatcher& m_dispatcher;
    int m_lastMark = 0;
    bool m_silent = false;
};
