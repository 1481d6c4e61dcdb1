// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Allgemein.h"

#include "base/VbError.h"
#include "errors/ErrorTrap.h"
#include "formats/LanguageFile.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QSet>
#include <array>

Q_LOGGING_CATEGORY(lcLang, "pinsola.language")

namespace Allgemein {

namespace {
constexpr int kBufferSize = 255;
// Where the chosen language lacks a text: German, the program's first language, then English.
constexpr std::array<size_t, 2> kFallbacks = {0, 1};
// The ISO codes of the languages, by language index; slot 5 names none.
constexpr std::array<const char*, 7> kCodes = {"de", "en", "sv", "it", "es", "", "fr"};

// A language file that cannot serve is reported once in a session, not at every one of its texts.
bool firstReport(const QString& path) {
    static QSet<QString> reported;
    if (reported.contains(path))
        return false;
    reported.insert(path);
    return true;
}

void reportUnusable(const QString& path) {
    const QString reason = LanguageFile::whyUnusable(path);
    if (reason.isEmpty() || !firstReport(path))
        return;
    qCWarning(lcLang).noquote() << "language file not usable, texts come from German or English:" << reason;
    const bool missing = path.isEmpty() || !QFileInfo::exists(path);
    const int32_t number = missing ? VbErr::FileNotFound : VbErr::PathFileAccess;
    throw VbError(number, VbError::standardDescription(number) + QStringLiteral(": ") + reason);
}

QString fallbackText(size_t chosen, const QString& key) {
    for (const size_t slot : kFallbacks) {
        if (slot == chosen)
            continue;
        if (std::optional<QString> text = LanguageFile::text(LangFile[slot], key, kBufferSize))
            return *text;
    }
    return {};
}
} // namespace

QString GetLang(Text id) {
    ErrorTrap trap(QStringLiteral("GetLang"), QStringLiteral("Allgemein"));
    const QString key = QStringLiteral("%1").arg(static_cast<int>(id), 4, 10, QLatin1Char('0'));
    std::optional<size_t> chosen;
    std::optional<QString> result;
    trap.run({
        {10,
         [&] {
             if (LangIndex < 0 || LangIndex >= static_cast<int>(LangFile.size()))
                 VbError::raise(VbErr::SubscriptOutOfRange);
             chosen = static_cast<size_t>(LangIndex);
         }},
        {20,
         [&] {
             if (chosen)
                 result = LanguageFile::text(LangFile[*chosen], key, kBufferSize);
         }},
        {30,
         [&] {
             if (chosen && !result)
                 reportUnusable(LangFile[*chosen]);
         }},
    });
    if (chosen && !result)
        return fallbackText(*chosen, key);
    return result.value_or(QString());
}

QString LangCode() {
    if (LangIndex < 0 || LangIndex >= static_cast<int>(kCodes.size()))
        return {};
    return QString::fromLatin1(kCodes[static_cast<size_t>(LangIndex)]);
}

int16_t LangIndexOf(const QString& code) {
    for (size_t i = 0; i < kCodes.size(); ++i)
        if (*kCodes[i] && code == QLatin1String(kCodes[i]))
            return static_cast<int16_t>(i);
    return -1;
}

} // namespace Allgemein
