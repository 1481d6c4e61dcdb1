// SPDX-License-Identifier: GPL-3.0-or-later
#include <QColor>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

#include <functional>

namespace {

QString resource(const char* relative) {
    return QStringLiteral(SOURCE_DIR "/resources/") + QLatin1String(relative);
}

QImage load(const char* relative) {
    return QImage(resource(relative));
}

struct PictureCase {
    const char* path;
    int width;
    int height;
    const char* format;
};

class ArtworkFileTest : public ::testing::TestWithParam<PictureCase> {};

TEST_P(ArtworkFileTest, HasTheSizeAndFormatItsWindowUses) {
    const PictureCase& c = GetParam();
    QImageReader reader(resource(c.path));
    ASSERT_TRUE(reader.canRead()) << c.path;
    EXPECT_EQ(reader.format(), QByteArray(c.format));
    EXPECT_EQ(reader.size(), QSize(c.width, c.height));
    EXPECT_FALSE(reader.read().isNull());
}

INSTANTIATE_TEST_SUITE_P(Pictures, ArtworkFileTest,
                         ::testing::Values(PictureCase{"cursor/101.png", 32, 32, "png"},
                                           PictureCase{"art/frmDraw/background.jpg", 1024, 768, "jpeg"},
                                           PictureCase{"art/frmDraw/logo0.png", 585, 67, "png"},
                                           PictureCase{"art/frmDraw/logo1.png", 585, 67, "png"},
                                           PictureCase{"art/flags/0.png", 32, 20, "png"},
                                           PictureCase{"art/flags/1.png", 32, 20, "png"},
                                           PictureCase{"art/flags/2.png", 32, 20, "png"},
                                           PictureCase{"art/flags/3.png", 32, 20, "png"},
                                           PictureCase{"art/flags/4.png", 32, 20, "png"},
                                           PictureCase{"art/flags/6.png", 32, 20, "png"},
                                           PictureCase{"art/frmColor/palette.png", 475, 132, "png"},
                                           PictureCase{"art/frmColor/background.jpg", 609, 239, "jpeg"},
                                           PictureCase{"art/frmColor/rail.png", 18, 133, "png"},
                                           PictureCase{"art/frmColor/thumb.png", 16, 16, "png"},
                                           PictureCase{"art/frmColor/pointer.png", 32, 32, "png"},
                                           PictureCase{"art/frmPreview/background.jpg", 440, 420, "jpeg"},
                                           PictureCase{"art/frmInfo/picture0.png", 128, 128, "png"},
                                           PictureCase{"art/frmInfo/picture1.png", 320, 80, "png"},
                                           PictureCase{"art/brizel/logo.png", 64, 64, "png"},
                                           PictureCase{"art/icon/pinsola-16.png", 16, 16, "png"},
                                           PictureCase{"art/icon/pinsola-24.png", 24, 24, "png"},
                                           PictureCase{"art/icon/pinsola-32.png", 32, 32, "png"},
                                           PictureCase{"art/icon/pinsola-48.png", 48, 48, "png"},
                                           PictureCase{"art/icon/pinsola-64.png", 64, 64, "png"},
                                           PictureCase{"art/icon/pinsola-128.png", 128, 128, "png"},
                                           PictureCase{"art/icon/pinsola-256.png", 256, 256, "png"}),
                         [](const auto& row) {
                             std::string name = row.param.path;
                             for (char& ch : name)
                                 ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             return name;
                         });

class PointerTest : public ::testing::TestWithParam<const char*> {};

// Pointers are 16-colour pictures; the tip is the hot spot (0, 0), so it must be opaque there, and the
// opposite corner is transparent.
TEST_P(PointerTest, IsA16ColourPictureWithItsTipAtTheHotSpot) {
    const QImage pointer = load(GetParam());
    ASSERT_FALSE(pointer.isNull());
    EXPECT_EQ(pointer.format(), QImage::Format_Indexed8);
    EXPECT_LE(pointer.colorCount(), 16);
    EXPECT_EQ(qAlpha(pointer.pixel(0, 0)), 255);
    EXPECT_EQ(qAlpha(pointer.pixel(31, 0)), 0);
    EXPECT_EQ(qAlpha(pointer.pixel(0, 31)), 0);
}

INSTANTIATE_TEST_SUITE_P(Pointers, PointerTest,
                         ::testing::Values("cursor/101.png", "art/frmColor/pointer.png"));

bool isBlack(QRgb c) {
    return qRed(c) < 40 && qGreen(c) < 40 && qBlue(c) < 40;
}
bool isWhite(QRgb c) {
    return qRed(c) > 235 && qGreen(c) > 235 && qBlue(c) > 235;
}
bool isRed(QRgb c) {
    return qRed(c) > 180 && qGreen(c) < 70 && qBlue(c) < 80;
}
bool isYellow(QRgb c) {
    return qRed(c) > 230 && qGreen(c) > 180 && qBlue(c) < 60;
}
bool isBlue(QRgb c) {
    return qBlue(c) > 100 && qRed(c) < 40;
}
bool isGreen(QRgb c) {
    return qGreen(c) > 120 && qRed(c) < 40 && qBlue(c) < 110;
}

struct FlagCase {
    int language;
    QList<std::pair<QPoint, std::function<bool(QRgb)>>> samples;
};

class FlagTest : public ::testing::TestWithParam<FlagCase> {};

TEST_P(FlagTest, ShowsTheColoursOfItsCountry) {
    const FlagCase& c = GetParam();
    const QImage flag(QStringLiteral(SOURCE_DIR "/resources/art/flags/%1.png").arg(c.language));
    ASSERT_FALSE(flag.isNull());
    for (const auto& [point, matches] : c.samples)
        EXPECT_TRUE(matches(flag.pixel(point)))
            << "flag " << c.language << " at " << point.x() << "," << point.y();
}

INSTANTIATE_TEST_SUITE_P(
    Flags, FlagTest,
    ::testing::Values(FlagCase{0, {{{16, 3}, isBlack}, {{16, 10}, isRed}, {{16, 16}, isYellow}}},
                      FlagCase{1,
                               {{{16, 10}, isRed}, {{10, 2}, isBlue}, {{10, 17}, isBlue}, {{4, 10}, isRed}}},
                      FlagCase{2, {{{4, 4}, isBlue}, {{11, 10}, isYellow}, {{24, 15}, isBlue}}},
                      FlagCase{3, {{{5, 10}, isGreen}, {{16, 10}, isWhite}, {{27, 10}, isRed}}},
                      FlagCase{4, {{{16, 2}, isRed}, {{16, 10}, isYellow}, {{16, 17}, isRed}}},
                      FlagCase{6, {{{5, 10}, isBlue}, {{16, 10}, isWhite}, {{27, 10}, isRed}}}),
    [](const auto& row) { return "language" + std::to_string(row.param.language); });

TEST(PaletteTest, EveryPixelBelongsToAWholeSwatchAndBlackAndWhiteAreThere) {
    const QImage palette = load("art/frmColor/palette.png").convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(palette.size(), QSize(475, 132));
    QHash<QRgb, int> counts;
    for (int y = 0; y < palette.height(); ++y) {
        for (int x = 0; x < palette.width(); ++x)
            ++counts[palette.pixel(x, y) & 0xffffffu];
    }
    EXPECT_TRUE(counts.contains(0xffffffu));
    EXPECT_TRUE(counts.contains(0x000000u));
    EXPECT_GE(counts.size(), 100);
    // No blended seams between swatches: the smallest swatch is 24 x 22 pixels.
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        EXPECT_GE(it.value(), 24 * 22) << std::hex << it.key();
}

TEST(PaletteTest, EachColumnRunsFromLightToDark) {
    const QImage palette = load("art/frmColor/palette.png");
    ASSERT_FALSE(palette.isNull());
    constexpr int Columns = 19;
    constexpr int Rows = 6;
    for (int column = 0; column < Columns; ++column) {
        const int x = column * palette.width() / Columns + 12;
        for (int row = 1; row < Rows; ++row) {
            const QColor above(palette.pixel(x, (row - 1) * palette.height() / Rows + 11));
            const QColor below(palette.pixel(x, row * palette.height() / Rows + 11));
            EXPECT_LT(below.lightness(), above.lightness()) << "column " << column << " row " << row;
        }
    }
}

TEST(NoticeTextTest, IsOneLineWithTheProgramName) {
    QFile file(resource("art/frmDraw/copyright.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString text = QString::fromUtf8(file.readAll()).trimmed();
    EXPECT_TRUE(text.contains(QStringLiteral("Pinsola")));
    EXPECT_FALSE(text.contains(QLatin1Char('\n')));
}

} // namespace
