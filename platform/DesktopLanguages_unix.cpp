// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopLanguages.h"

namespace {
// "fr_FR.UTF-8@euro" and "fr" are both French.
QString languageOf(const QString& locale) {
    return locale.section(QLatin1Char('_'), 0, 0)
        .section(QLatin1Char('.'), 0, 0)
        .section(QLatin1Char('@'), 0, 0)
        .toLower();
}
} // namespace

// As gettext takes them for a program's messages: the locale of LC_ALL, else LC_MESSAGES, else LANG, and
// before it the list in LANGUAGE, which counts only where a locale other than C is set.
QStringList DesktopLanguages::preferred() {
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = qEnvironmentVariable(name);
        if (!locale.isEmpty())
            break;
    }
    const QString language = languageOf(locale);
    if (language.isEmpty() || language == QLatin1String("c") || language == QLatin1String("posix"))
        return {};
    QStringList languages;
    for (const QString& wanted : qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts))
        languages.append(languageOf(wanted));
    languages.append(language);
    return languages;
}
