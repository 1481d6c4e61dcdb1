// SPDX-License-Identifier: GPL-3.0-or-later
#include "color/PenChoice.h"

PenChoice& PenChoice::instance() {
    static PenChoice choice;
    return choice;
}
