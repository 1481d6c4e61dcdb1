// SPDX-License-Identifier: GPL-3.0-or-later
#include "SymbolFont.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <array>
#include <optional>

Q_LOGGING_CATEGORY(lcSymbolFont, "brizel.symbolfont")

namespace brizel {
namespace {

struct SymbolMapping {
    char16_t code;
    char32_t unicode;
};

// The Wingdings characters the program's buttons use, mapped as the Unicode Consortium maps Wingdings.
constexpr std::array<SymbolMapping, 18> Mappings{{
    {0x6F, 0x1F78F}, // new page: medium white square
    {0xC5, 0x2BB2},  // undo: ribbon arrow up left
    {0x31, 0x1F5C1}, // gallery: open folder
    {0x3C, 0x1F5AB}, // save: white hard shell floppy disk
    {0x21, 0x1F589}, // colour and pen: lower left pencil
    {0x79, 0x2BB9},  // print: up arrowhead in a rectangle box
    {0x29, 0x2706},  // sound: telephone location sign
    {0x5B, 0x262F},  // web page: yin yang
    {0xFD, 0x1F5F7}, // exit: ballot box with bold script x
    {0xFB, 0x1F5F6}, // close: ballot bold script x
    {0xD7, 0x2B98},  // previous: three-d top-lighted leftwards arrowhead
    {0x61, 0x264B},  // lesson choice: cancer
    {0xD8, 0x2B9A},  // next: three-d top-lighted rightwards arrowhead
    {0xB1, 0x2316},  // grid: position indicator
    {0xF4, 0x21F3},  // size: up down white arrow
    {0xFE, 0x1F5F9}, // OK: ballot box with bold check
    {0x40, 0x270D},  // tracing: writing hand
    {0x24, 0x1F453}, // show me how: eyeglasses
}};

constexpr QLatin1StringView WingdingsFamily("Wingdings");

QString loadEmbeddedFamily() {
    QFile file(QStringLiteral(":/brizel/fonts/BrizelSymbols.ttf"));
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcSymbolFont) << "embedded symbol font missing";
        return {};
    }
    const int id = QFontDatabase::addApplicationFontFromData(file.readAll());
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        qCWarning(lcSymbolFont) << "embedded symbol font could not be registered";
        return {};
    }
    return families.first();
}

bool asksForWingdings(const QFont& font) {
    return font.family().compare(WingdingsFamily, Qt::CaseInsensitive) == 0;
}

bool wingdingsInstalled() {
    static const bool installed = QFontDatabase::families().contains(WingdingsFamily, Qt::CaseInsensitive);
    return installed;
}

} // namespace

QString SymbolFont::embeddedFamily() {
    static std::optional<QString> family;
    if (!family) {
        if (!QGuiApplication::instance())
            return {}; // the font system is not up yet; try again later
        family = loadEmbeddedFamily();
    }
    return *family;
}

bool SymbolFont::substitutes(const QFont& font) {
    return asksForWingdings(font) && !wingdingsInstalled() && !embeddedFamily().isEmpty();
}

QFont SymbolFont::resolve(const QFont& requested) {
    if (!substitutes(requested))
        return requested;
    QFont font(requested);
    font.setFamilies({embeddedFamily()});
    return font;
}

char32_t SymbolFont::unicodeOf(char16_t wingdingsCode) {
    for (const SymbolMapping& mapping : Mappings) {
        if (mapping.code == wingdingsCode)
            return mapping.unicode;
    }
    return wingdingsCode;
}

QString SymbolFont::mapText(const QString& text, const QFont& requested) {
    if (!substitutes(requested))
        return text;
    QString mapped;
    mapped.reserve(text.size() * 2);
    for (const QChar c : text) {
        const char32_t unicode = unicodeOf(c.unicode());
        mapped.append(QString::fromUcs4(&unicode, 1));
    }
    return mapped;
}

} // namespace brizel
