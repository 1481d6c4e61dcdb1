// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/StartLimits.h"

// Windows sets a process no such limits.
QString StartLimits::shortfall() {
    return {};
}
