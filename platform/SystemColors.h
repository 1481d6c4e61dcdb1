// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/SystemColorTable.h"

#include <QColor>
#include <cstdint>

// The system colours as the program draws with them: a colour value that names no colour is an
// invalid property value (error 380).
namespace SystemColors {
using namespace SystemColorTable;

// The colour of system colour `index`; error 380 for an index that names none.
QColor color(int index);
// A colour value as the program stores it (RGB or 0x80000000 | index); error 380 when it names no colour.
QColor translate(uint32_t value);
} // namespace SystemColors
