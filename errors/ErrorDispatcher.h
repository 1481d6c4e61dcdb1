// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

// Where a procedure's run-time errors go; the decision comes back as an action code.
class ErrorDispatcher {
public:
    enum Action : int16_t { Retry = 0, Ignore = 1, Cancel = 2, End = 3 };

    virtual ~ErrorDispatcher() = default;
    virtual int16_t OnError(const QString& procedureName, const QString& moduleName) = 0;
};
