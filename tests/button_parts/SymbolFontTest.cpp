// SPDX-License-Identifier: GPL-3.0-or-later
#include "SymbolFont.h"
#include "CaptionLayout.h"
#include "CaptionText.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <gtest/gtest.h>

using brizel::SymbolFont;

namespace {

QFont wingdings() {
    QFont font(QStringLiteral("Wingdings"));
    font.setPixelSize(24);
    return font;
}

bool wingdingsInstalled() {
    return QFontDatabase::families().contains(QStringLiteral("Wingdings"), Qt::CaseInsensitive);
}

struct MappingCase {
    char16_t code;
    char32_t unicode;
};

void PrintTo(const MappingCase& c, std::ostream* os) {
    *os << std::hex << "0x" << static_cast<int>(c.code) << " to U+" << static_cast<uint32_t>(c.unicode);
}

class SymbolMappingTest : public ::testing::TestWithParam<MappingCase> {};

TEST_P(SymbolMappingTest, MapsToTheConsortiumSymbolThatTheEmbeddedFontDraws) {
    const MappingCase& c = GetParam();
    EXPECT_EQ(SymbolFont::unicodeOf(c.code), c.unicode);

    const QRawFont embedded = QRawFont::fromFont(QFont(SymbolFont::embeddedFamily()));
    ASSERT_TRUE(embedded.isValid());
    EXPECT_EQ(embedded.familyName(), QStringLiteral("Brizel Symbols"));
    EXPECT_TRUE(embedded.supportsCharacter(c.unicode)) << std::hex << static_cast<uint32_t>(c.unicode);
}

INSTANTIATE_TEST_SUITE_P(
    ProgramCodes, SymbolMappingTest,
    ::testing::Values(MappingCase{0x6F, 0x1F78F}, MappingCase{0xC5, 0x2BB2}, MappingCase{0x31, 0x1F5C1},
                      MappingCase{0x3C, 0x1F5AB}, MappingCase{0x21, 0x1F589}, MappingCase{0x79, 0x2BB9},
                      MappingCase{0x29, 0x2706}, MappingCase{0x5B, 0x262F}, MappingCase{0xFD, 0x1F5F7},
                      MappingCase{0xFB, 0x1F5F6}, MappingCase{0xD7, 0x2B98}, MappingCase{0x61, 0x264B},
                      MappingCase{0xD8, 0x2B9A}, MappingCase{0xB1, 0x2316}, MappingCase{0xF4, 0x21F3},
                      MappingCase{0xFE, 0x1F5F9}, MappingCase{0x40, 0x270D}, MappingCase{0x24, 0x1F453}));

TEST(SymbolFont, StandsInForMissingWingdingsWithTheEmbeddedFont) {
    if (wingdingsInstalled())
        GTEST_SKIP() << "this machine has Wingdings itself";
    for (const QString& family : {QStringLiteral("Wingdings"), QStringLiteral("wingdings")}) {
        QFont requested = wingdings();
        requested.setFamily(family);
        requested.setBold(true);
        ASSERT_TRUE(SymbolFont::substitutes(requested));
        const QFont resolved = SymbolFont::resolve(requested);
        EXPECT_EQ(QFontInfo(resolved).family(), QStringLiteral("Brizel Symbols")) << "no other font chosen";
        EXPECT_EQ(resolved.pixelSize(), 24);
        EXPECT_TRUE(resolved.bold());
    }
    EXPECT_EQ(SymbolFont::mapText(QStringLiteral("<"), wingdings()), QString::fromUcs4(U"\U0001F5AB"));
    EXPECT_EQ(SymbolFont::mapText(QString(QChar(0xFE)), wingdings()), QString::fromUcs4(U"\U0001F5F9"));
}

TEST(SymbolFont, OtherFontsAreLeftAlone) {
    const QFont sans(QStringLiteral("DejaVu Sans"));
    EXPECT_FALSE(SymbolFont::substitutes(sans));
    EXPECT_EQ(SymbolFont::resolve(sans), sans);
    EXPECT_EQ(SymbolFont::mapText(QStringLiteral("<o"), sans), QStringLiteral("<o"));
}

// The caption functions take the requested font; a Wingdings save caption shows the floppy disk glyph.
TEST(SymbolFont, CaptionDrawingShowsTheEmbeddedGlyph) {
    if (wingdingsInstalled())
        GTEST_SKIP() << "this machine has Wingdings itself";
    const QRawFont raw = QRawFont::fromFont(SymbolFont::resolve(wingdings()));
    const QList<quint32> glyphs = raw.glyphIndexesForString(QString::fromUcs4(U"\U0001F5AB"));
    ASSERT_EQ(glyphs.size(), 1);
    const QPointF advance = raw.advancesForGlyphIndexes(glyphs).value(0);

    const brizel::TextBox box = brizel::MeasureCaption(QStringLiteral("<"), wingdings(), {0, 0, 100, 100});
    EXPECT_EQ(box.width(), qRound(advance.x()));

    QImage image(box.width() + 2, box.height() + 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        brizel::CaptionText text;
        text.prepare(QStringLiteral("<"), wingdings(), box.width());
        QPainter painter(&image);
        text.draw(painter, box, Qt::black);
    }
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    EXPECT_GT(dark, 20) << "the pictogram has ink, not an empty box";
}

} // namespace
