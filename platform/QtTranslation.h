// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Qt's own texts (the standard buttons of message boxes, the input box's OK and Cancel) in the program's
// language.
namespace QtTranslation {
// Switches Qt's texts to the language with the given ISO code ("de", "sv"…): read from translations/ in
// the program folder where the program ships them (Windows), else from Qt's own folder. An empty or
// unknown code, or a language Qt has no texts for, leaves Qt's English.
void use(const QString& languageCode);
} // namespace QtTranslation
