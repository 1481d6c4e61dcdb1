// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

// The run-time error state: number, description and line mark of the error being handled.
struct ErrState {
    int32_t Number = 0;
    QString Description;
    int32_t Erl = 0;
};

ErrState& Err();
