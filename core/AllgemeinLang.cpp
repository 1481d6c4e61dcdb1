#include "core/Allgemein.h"

#include "base/VbError.h"
#include "errors/ErrorTrap.h"
#include "formats/IniReader.h"

#include <array>

namespace Allgemein {

QString GetLang(Text id) {
    ErrorTrap trap(QStringLiteral("GetLang"), QStringLiteral("Allgemein"));
    constexpr int kBufferSize = 255;
    const QString blanks(kBufferSize, QLatin1Char(' '));
    const QString key = QStringLiteral("%1").arg(static_cast<int>(id), 4, 10, QLatin1Char('0'));
    QString fileName;
    QString result;
    trap.run({
        {10,
         [&] {
             if (LangIndex < 0 || LangIndex >= static_cast<int>(LangFile.size()))
                 VbError::raise(VbErr::SubscriptOutOfRange);
             fileName = LangFile[static_cast<size_t>(LangIndex)];
         }},
        {20,
         [&] { result = IniReader::readKey(fileName, QStringLiteral("Lang"), key, blanks, kBufferSize); }},
    });
    return result;
}

QString LangCode() {
    static const std::array<const char*, 7> codes = {"de", "en", "sv", "it", "es", "", "fr"};
    if (LangIndex < 0 || LangIndex >= static_cast<int>(codes.size()))
        return {};
    return QString::fromLatin1(codes[static_cast<size_t>(LangIndex)]);
}

} // namespace Allgemein
