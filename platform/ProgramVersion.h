// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The program's version, defined once by the build (the project version) for every place that names it.
struct ProgramVersion {
    int Major = 0;
    int Minor = 0;
    int Revision = 0;

    static ProgramVersion current();
    // "1.2.34": each part in plain decimal.
    QString plain() const;
    // "1.02.0034": the minor part with at least two digits, the revision with at least four.
    QString padded() const;
};
