// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureBlend.h"

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <gtest/gtest.h>

using namespace brizel;

namespace {

constexpr QRgb Face = qRgb(10, 20, 30);
constexpr QRgb Mask = qRgb(192, 192, 192);

QImage filled(int w, int h, QRgb color, QImage::Format format = QImage::Format_RGB32) {
    QImage image(w, h, format);
    image.fill(color);
    return image;
}

// One source pixel blended onto one face pixel.
QRgb blendOne(QRgb source, QRgb face, const BlendOptions& options) {
    QImage surface = filled(1, 1, face);
    BlendPicture(surface, 0, 0, 1, 1, filled(1, 1, source), options);
    return surface.pixel(0, 0) & RGB_MASK;
}

struct PixelCase {
    const char* what;
    QRgb source;
    BlendOptions options;
    QRgb expected;
};

void PrintTo(const PixelCase& c, std::ostream* os) {
    *os << c.what;
}

class BlendPixelTest : public ::testing::TestWithParam<PixelCase> {};

TEST_P(BlendPixelTest, ResultPixel) {
    const PixelCase& c = GetParam();
    EXPECT_EQ(blendOne(c.source, Face, c.options), c.expected & RGB_MASK) << c.what;
}

BlendOptions maskOff() {
    BlendOptions o;
    o.useMaskColor = false;
    return o;
}
BlendOptions tinted(QRgb tint, bool threshold) {
    BlendOptions o;
    o.tint = tint;
    o.threshold = threshold;
    return o;
}
BlendOptions grey() {
    BlendOptions o;
    o.grey = true;
    return o;
}
BlendOptions fade() {
    BlendOptions o;
    o.fade = true;
    return o;
}

BlendOptions greyFaded() {
    BlendOptions o;
    o.grey = true;
    o.fade = true;
    return o;
}

constexpr QRgb Shadow = qRgb(128, 128, 128);

INSTANTIATE_TEST_SUITE_P(
    Pixels, BlendPixelTest,
    ::testing::Values(
        PixelCase{"mask colour is transparent", Mask, BlendOptions{}, Face},
        PixelCase{"mask off draws the mask colour", Mask, maskOff(), Mask},
        PixelCase{"other colours are copied", qRgb(1, 2, 3), BlendOptions{}, qRgb(1, 2, 3)},
        PixelCase{"near the mask is not the mask", qRgb(192, 192, 193), BlendOptions{}, qRgb(192, 192, 193)},
        PixelCase{"sum 384 joins the silhouette", qRgb(128, 128, 128), tinted(qRgb(0, 0, 255), true),
                  qRgb(0, 0, 255)},
        PixelCase{"sum 385 stays out", qRgb(128, 128, 129), tinted(qRgb(0, 0, 255), true), Face},
        PixelCase{"white never joins", qRgb(255, 255, 255), tinted(Shadow, true), Face},
        PixelCase{"black joins", qRgb(0, 0, 0), tinted(Shadow, true), Shadow},
        PixelCase{"without threshold white is tinted", qRgb(255, 255, 255), tinted(Shadow, false), Shadow},
        PixelCase{"mask stays transparent when tinted", Mask, tinted(Shadow, false), Face},
        PixelCase{"grey of red", qRgb(255, 0, 0), grey(), qRgb(76, 76, 76)},
        PixelCase{"fade: two thirds picture, one third face", qRgb(255, 0, 90), fade(),
                  qRgb((2 * 255 + 10) / 3, (0 + 20) / 3, (2 * 90 + 30) / 3)},
        PixelCase{"fade rounds down", qRgb(1, 1, 1), fade(), qRgb(4, 7, 10)},
        PixelCase{"grey is not faded", qRgb(255, 0, 0), greyFaded(), qRgb(76, 76, 76)}));

TEST(GreyOf, RoundsHalvesToEvenTwice) {
    struct {
        QRgb pixel;
        int grey;
    } cases[] = {{qRgb(255, 0, 0), 76}, {qRgb(255, 255, 255), 254}, {qRgb(0, 255, 0), 150},
                 {qRgb(0, 0, 255), 28}, {qRgb(100, 100, 100), 100}, {qRgb(0, 0, 0), 0},
                 {qRgb(5, 0, 0), 2},    {qRgb(15, 0, 0), 4}}; // 1.5 -> 2, 4.5 -> 4
    for (const auto& c : cases)
        EXPECT_EQ(GreyOf(c.pixel), c.grey) << std::hex << c.pixel;
}

TEST(BlendPicture, ZeroSizeDrawsNothing) {
    QImage surface = filled(4, 4, Face);
    const QImage before = surface;
    BlendPicture(surface, 0, 0, 0, 4, filled(4, 4, qRgb(1, 2, 3)), {});
    BlendPicture(surface, 0, 0, 4, 0, filled(4, 4, qRgb(1, 2, 3)), {});
    EXPECT_EQ(surface, before);
}

TEST(BlendPicture, DrawsTheTopLeftPartAtThePlaceAndClipsAtTheEdges) {
    QImage source = filled(4, 4, qRgb(1, 2, 3));
    source.setPixel(0, 0, qRgb(9, 9, 9));
    QImage surface = filled(6, 6, Face);
    BlendPicture(surface, 4, -1, 3, 3, source, {});
    EXPECT_EQ(surface.pixel(4, 0) & RGB_MASK, qRgb(1, 2, 3) & RGB_MASK); // source row 1
    EXPECT_EQ(surface.pixel(5, 1) & RGB_MASK, qRgb(1, 2, 3) & RGB_MASK);
    EXPECT_EQ(surface.pixel(4, 2) & RGB_MASK, Face & RGB_MASK) << "height 3 from y -1 ends at row 1";
    EXPECT_EQ(surface.pixel(3, 0) & RGB_MASK, Face & RGB_MASK);
}

TEST(BlendPicture, WorksOnSurfacesOfOtherFormats) {
    QImage surface = filled(2, 1, Face, QImage::Format_RGB888);
    BlendPicture(surface, 0, 0, 2, 1, filled(1, 1, qRgb(255, 0, 0)), grey());
    EXPECT_EQ(surface.pixel(0, 0) & RGB_MASK, qRgb(76, 76, 76) & RGB_MASK);
    EXPECT_EQ(surface.pixel(1, 0) & RGB_MASK, Face & RGB_MASK) << "the source is one pixel wide";
}

// An icon's transparent parts are the mask colour, so they leave the face alone.
TEST(BlendPicture, IconIsDrawnOntoTheMaskColourFirst) {
    QPixmap pixmap(4, 4);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.fillRect(0, 0, 2, 4, QColor(0, 0, 255));
    }
    const QIcon icon(pixmap);
    QImage masked = filled(6, 4, Face);
    BlendPicture(masked, 0, 0, 6, 4, icon, {});
    EXPECT_EQ(masked.pixel(1, 1) & RGB_MASK, qRgb(0, 0, 255) & RGB_MASK);
    EXPECT_EQ(masked.pixel(3, 1) & RGB_MASK, Face & RGB_MASK);
    EXPECT_EQ(masked.pixel(5, 1) & RGB_MASK, Face & RGB_MASK) << "beyond the icon's natural size";

    QImage unmasked = filled(6, 4, Face);
    BlendPicture(unmasked, 0, 0, 6, 4, icon, maskOff());
    EXPECT_EQ(unmasked.pixel(3, 1) & RGB_MASK, Mask & RGB_MASK);
    EXPECT_EQ(unmasked.pixel(5, 1) & RGB_MASK, Mask & RGB_MASK);
}

TEST(BlendPicture, TransparentPixelsOfABitmapCountAsMaskColour) {
    QImage source(2, 1, QImage::Format_ARGB32);
    source.setPixel(0, 0, qRgba(0, 0, 0, 0));
    source.setPixel(1, 0, qRgba(200, 0, 0, 255));
    QImage surface = filled(2, 1, Face);
    BlendPicture(surface, 0, 0, 2, 1, source, {});
    EXPECT_EQ(surface.pixel(0, 0) & RGB_MASK, Face & RGB_MASK);
    EXPECT_EQ(surface.pixel(1, 0) & RGB_MASK, qRgb(200, 0, 0) & RGB_MASK);
}

} // namespace
