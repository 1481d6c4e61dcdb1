// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ChmViewerLookup.h"

// Every Windows has its HTML Help viewer.
void ChmViewerLookup::ask() {
    m_answer = true;
}
