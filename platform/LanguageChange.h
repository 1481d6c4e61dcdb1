#pragma once

// The language of the user interface changed: every window hears it as a QEvent::LanguageChange in its
// changeEvent (owned windows through their owner) and puts on the texts of the new language.
namespace LanguageChange {
void announce();
}
