// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The language of the user interface changed to the one with the given ISO code: Qt's own texts follow,
// and every window hears it as a QEvent::LanguageChange in its changeEvent (owned windows through their
// owner) and puts on the texts of the new language.
namespace LanguageChange {
void announce(const QString& languageCode);
}
