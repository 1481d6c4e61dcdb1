// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaptionLayout.h"

#include <QFontMetrics>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

using namespace brizel;

namespace {

constexpr int W = 120;
constexpr int H = 60;
constexpr int PicW = 16;
constexpr int PicH = 12;

QFont testFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    return font;
}

CaptionLayoutInput input(int position, const QString& caption, bool picture = true) {
    CaptionLayoutInput in;
    in.buttonWidth = W;
    in.buttonHeight = H;
    in.pictureWidth = picture ? PicW : 0;
    in.pictureHeight = picture ? PicH : 0;
    in.hasPicture = picture;
    in.picturePosition = position;
    in.caption = caption;
    in.font = testFont();
    return in;
}

// The documented layout, written out per position from the single-line text size tw x th.
struct Expected {
    TextBox caption;
    QPoint picture;
};

Expected expectedFor(int position, int tw, int th, int picW = PicW, int picH = PicH) {
    int left = 1, top = 1;
    if (position == cbLeft)
        left = picW + 1;
    if (position == cbTop)
        top = picH + 1;
    const int right = left + tw;
    const int bottom = top + th;
    int dx = (W - right) / 2;
    int dy = (H - bottom) / 2;
    if (position == cbRight)
        dx = (W - right - picW - 4) / 2;
    if (position == cbBottom)
        dy = (H - bottom - picH - 4) / 2;
    const TextBox caption{left + dx, top + dy, right + dx, bottom + dy};
    const QPoint centred((W - picW) / 2, (H - picH) / 2);
    switch (position) {
    case cbLeft:
        return {caption, {caption.left - picW - 4, centred.y()}};
    case cbRight:
        return {caption, {caption.right + 4, centred.y()}};
    case cbTop:
        return {caption, {centred.x(), caption.top - picH - 2}};
    case cbBottom:
        return {caption, {centred.x(), caption.bottom + 2}};
    default:
        return {caption, centred};
    }
}

class PicturePositionTest : public ::testing::TestWithParam<int> {};

TEST_P(PicturePositionTest, CaptionIsCentredInTheSpaceThePictureLeaves) {
    const int position = GetParam();
    const QFontMetrics metrics(testFont());
    const Expected expected =
        expectedFor(position, metrics.horizontalAdvance(QStringLiteral("Save")), metrics.height());

    CaptionLayout layout;
    LayoutCaption(input(position, QStringLiteral("&Save")), layout);

    EXPECT_EQ(layout.textWidth, metrics.horizontalAdvance(QStringLiteral("Save")));
    EXPECT_EQ(layout.textHeight, metrics.height());
    EXPECT_EQ(layout.captionRect, expected.caption);
    EXPECT_EQ(layout.pressedCaptionRect, expected.caption.moved(1, 1));
    EXPECT_EQ(QPoint(layout.pictureX, layout.pictureY), expected.picture);
}

TEST_P(PicturePositionTest, BlankCaptionCentresThePicture) {
    for (const QString& caption : {QString(), QStringLiteral("   ")}) {
        CaptionLayout layout;
        LayoutCaption(input(GetParam(), caption), layout);
        EXPECT_EQ(layout.pictureX, (W - PicW) / 2) << caption.size();
        EXPECT_EQ(layout.pictureY, (H - PicH) / 2) << caption.size();
    }
}

TEST_P(PicturePositionTest, WithoutPictureTheCaptionTakesTheWholeFace) {
    const QFontMetrics metrics(testFont());
    const Expected expected =
        expectedFor(GetParam(), metrics.horizontalAdvance(QStringLiteral("Save")), metrics.height(), 0, 0);
    CaptionLayout layout;
    layout.pictureX = 7;
    layout.pictureY = 9;
    LayoutCaption(input(GetParam(), QStringLiteral("Save"), false), layout);

    EXPECT_EQ(layout.captionRect, expected.caption);
    EXPECT_EQ(QPoint(layout.pictureX, layout.pictureY), QPoint(7, 9)) << "no picture: nothing is placed";
}

INSTANTIATE_TEST_SUITE_P(AllPositions, PicturePositionTest,
                         ::testing::Values(cbLeft, cbRight, cbTop, cbBottom, cbBackground));

TEST(CaptionLayout, EmptyCaptionMeasuresNothing) {
    CaptionLayout layout;
    LayoutCaption(input(cbLeft, QString()), layout);
    EXPECT_EQ(layout.textWidth, 0);
    EXPECT_EQ(layout.textHeight, 0);
}

TEST(CaptionLayout, HalvingsTruncateTowardZeroWhenTheTextIsWiderThanTheButton) {
    const QFontMetrics metrics(testFont());
    const QString word = QStringLiteral("Unbreakablewordthatiswiderthanthebutton");
    const int tw = metrics.horizontalAdvance(word);
    ASSERT_GT(tw, W);
    CaptionLayout layout;
    LayoutCaption(input(cbBackground, word, false), layout);
    const int right = 1 + tw;
    EXPECT_EQ(layout.captionRect.left, 1 + (W - right) / 2); // negative, truncated toward zero
    EXPECT_EQ(layout.textWidth, tw);
}

TEST(MeasurePicture, SizesInPixelsAndNothingForNone) {
    EXPECT_EQ(MeasurePicture(QImage(33, 17, QImage::Format_RGB32)), QSize(33, 17));
    EXPECT_EQ(MeasurePicture(QImage()), QSize());
    EXPECT_EQ(MeasurePicture(QPixmap()), QSize());
    EXPECT_EQ(MeasurePicture(QIcon()), QSize());
}

} // namespace
