// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaptionText.h"
#include "CaptionLayout.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace brizel;

namespace {

QFont testFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(14);
    return font;
}

int advance(const char* text) {
    return QFontMetrics(testFont()).horizontalAdvance(QString::fromUtf8(text));
}

struct WrapCase {
    const char* caption;
    int boxWidth;
    std::vector<const char*> lines; // as shown, widest decides the width
};

void PrintTo(const WrapCase& c, std::ostream* os) {
    *os << '"' << QString::fromUtf8(c.caption).replace(u'\r', u'|').replace(u'\n', u'|').toStdString()
        << "\" in " << c.boxWidth;
}

class CaptionWrapTest : public ::testing::TestWithParam<WrapCase> {};

TEST_P(CaptionWrapTest, MeasuresLikeTheWordBreakingTextDrawing) {
    const WrapCase& c = GetParam();
    const int lineHeight = QFontMetrics(testFont()).height();
    int widest = 0;
    for (const char* line : c.lines)
        widest = std::max(widest, advance(line));

    const TextBox box = MeasureCaption(QString::fromUtf8(c.caption), testFont(), {5, 7, 5 + c.boxWidth, 200});

    EXPECT_EQ(box.left, 5);
    EXPECT_EQ(box.top, 7);
    EXPECT_EQ(box.width(), widest);
    EXPECT_EQ(box.height(), static_cast<int>(c.lines.size()) * lineHeight);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, CaptionWrapTest,
    ::testing::Values(WrapCase{"Save", 200, {"Save"}},
                      WrapCase{"&Save", 200, {"Save"}}, // the prefix takes no room
                      WrapCase{"Fish && Chips", 300, {"Fish & Chips"}},
                      WrapCase{
                          "Save&", 300, {"Save&"}}, // a trailing one is no prefix // a doubled one shows one
                      WrapCase{"one two three", advance("one two"), {"one two", "three"}},
                      WrapCase{"one two three", advance("one two") - 1, {"one", "two", "three"}},
                      WrapCase{"Unbreakable", 10, {"Unbreakable"}}, // a long word stays whole
                      WrapCase{"a\r\nbb", 300, {"a", "bb"}},        // line breaks in the text
                      WrapCase{"", 300, {}}));                      // nothing, no height

void drawCaption(QImage& image, const QString& caption, const TextBox& box) {
    CaptionText text;
    text.prepare(caption, testFont(), box.width());
    QPainter painter(&image);
    text.draw(painter, box, Qt::black);
}

QImage blank(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QRect inkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

TEST(CaptionDrawing, InkStaysInsideTheMeasuredRectangle) {
    const QString caption = QStringLiteral("Open the gallery of lessons");
    const TextBox box = MeasureCaption(caption, testFont(), {10, 10, 110, 300});
    ASSERT_GT(box.height(), QFontMetrics(testFont()).height()) << "wraps into several lines";
    QImage image = blank(200, 200);
    drawCaption(image, caption, box);
    const QRect ink = inkBounds(image);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_TRUE(box.toQRect().adjusted(-1, 0, 1, 0).contains(ink)) << "ink outside the measured box";
}

// The underline of the access key lies on the underline row, under the key's character only.
TEST(CaptionDrawing, AmpersandUnderlinesTheNextCharacterOnly) {
    const QFontMetrics metrics(testFont());
    const TextBox box{0, 0, advance("Save"), metrics.height()};
    const int underlineRow = metrics.ascent() + metrics.underlinePos();
    auto inkOnRow = [&](const QString& caption, int from, int to) {
        QImage image = blank(box.right + 2, box.bottom + 2);
        drawCaption(image, caption, box);
        int ink = 0;
        for (int x = from; x < to; ++x)
            ink += image.pixel(x, underlineRow) == qRgb(0, 0, 0) ? 1 : 0;
        return ink;
    };
    const int sEnd = advance("S");
    EXPECT_GE(inkOnRow(QStringLiteral("&Save"), 1, sEnd - 1), sEnd - 3) << "S underlined";
    EXPECT_EQ(inkOnRow(QStringLiteral("Save"), 1, sEnd - 1), 0) << "no underline without ampersand";
    EXPECT_EQ(inkOnRow(QStringLiteral("&Save"), sEnd + 1, box.right), 0) << "only the S";
}

TEST(CaptionDrawing, DoubledAmpersandDrawsOneAmpersandLikeThePlainText) {
    const QFontMetrics metrics(testFont());
    const TextBox box{0, 0, 60, metrics.height()};
    QImage doubled = blank(60, box.bottom);
    QImage single = blank(60, box.bottom);
    drawCaption(doubled, QStringLiteral("a&&b"), box);
    {
        QPainter painter(&single);
        QFont font = testFont();
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPoint((60 - advance("a&b")) / 2, metrics.ascent()), QStringLiteral("a&b"));
    }
    EXPECT_EQ(doubled, single);
}

} // namespace
