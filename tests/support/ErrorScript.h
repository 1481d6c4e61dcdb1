// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "errors/ErrPtnr.h"
#include "errors/ProgramEnd.h"

#include <QString>
#include <QStringList>
#include <vector>

// Answers the error window like a user: each time it shows, the next scripted action button is
// clicked (the last one repeats). Records what the window showed. Ending the program throws
// ProgramEnded instead of ending the test program.
class ErrorScript {
public:
    struct Shown {
        QString number;
        QString module;
        QString procedure;
        QString line;
    };

    explicit ErrorScript(std::vector<int> actions = {1});
    ErrorScript(const ErrorScript&) = delete;
    ErrorScript& operator=(const ErrorScript&) = delete;

    const std::vector<Shown>& shown() const { return m_shown; }
    int count() const { return static_cast<int>(m_shown.size()); }

private:
    std::vector<int> m_actions;
    std::vector<Shown> m_shown;
    decltype(ErrPtnr::shownSeam)::Scope m_answering;
    decltype(ProgramEnd::endSeam)::Scope m_ending;
};
