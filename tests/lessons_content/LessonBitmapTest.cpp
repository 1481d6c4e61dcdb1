// SPDX-License-Identifier: GPL-3.0-or-later
#include "LessonCatalog.h"
#include "LessonPainter.h"

#include <QFile>
#include <QImage>
#include <QSet>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

constexpr int LessonCount = 42;
constexpr int Width = 400;
constexpr int StepHeight = 300;
constexpr int Height = 1800;

QString bitmapPath(int lesson) {
    return QStringLiteral(SOURCE_DIR "/resources/bitmap/%1.bmp").arg(100 + lesson);
}

const QList<Lesson>& lessons() {
    static const QList<Lesson> all = LessonCatalog::all();
    return all;
}

int countColour(const QImage& image, int band, const QColor& colour) {
    int count = 0;
    for (int y = band * StepHeight; y < (band + 1) * StepHeight; ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour.rgb();
    }
    return count;
}

// Pixels painted exactly in one of the lesson's fill colours (other than the paper's white).
int countFills(const QImage& image, int band, const Lesson& lesson) {
    QSet<QRgb> fills;
    for (const Shape& shape : lesson.shapes) {
        if (shape.fill.isValid() && shape.fill != LessonPainter::Paper)
            fills.insert(shape.fill.rgb());
    }
    int count = 0;
    for (int y = band * StepHeight; y < (band + 1) * StepHeight; ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += fills.contains(image.pixel(x, y));
    }
    return count;
}

class LessonBitmapTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        QFile file(bitmapPath(GetParam()));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        m_bytes = file.readAll();
        ASSERT_GE(m_bytes.size(), 54);
        m_image = QImage::fromData(m_bytes, "BMP");
        ASSERT_FALSE(m_image.isNull());
    }
    quint32 header(int offset, int size = 4) const {
        return size == 2 ? qFromLittleEndian<quint16>(m_bytes.constData() + offset)
                         : qFromLittleEndian<quint32>(m_bytes.constData() + offset);
    }

    QByteArray m_bytes;
    QImage m_image;
};

TEST_P(LessonBitmapTest, IsA400By1800PalettedRle8Bitmap) {
    EXPECT_EQ(m_bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(header(18), quint32(Width));
    EXPECT_EQ(header(22), quint32(Height)); // positive height: stored bottom-up
    EXPECT_EQ(header(28, 2), 8u);
    EXPECT_EQ(header(30), 1u); // BI_RLE8
    EXPECT_LE(header(46), 256u);
    EXPECT_EQ(m_image.format(), QImage::Format_Indexed8);
    EXPECT_EQ(m_image.size(), QSize(Width, Height));
}

TEST_P(LessonBitmapTest, ReadsBackExactlyAsTheGeneratorDrawsIt) {
    const QImage drawn = LessonPainter::paintBitmap(lessons().at(GetParam() - 1));
    ASSERT_EQ(drawn.size(), m_image.size());
    EXPECT_EQ(m_image.colorTable(), drawn.colorTable());
    for (int y = 0; y < Height; ++y) {
        ASSERT_EQ(memcmp(m_image.constScanLine(y), drawn.constScanLine(y), Width), 0) << "row " << y;
    }
}

// Step 1 on top has only new lines; every outline step adds new lines in the highlight colour over the
// dark grey ones; the finished flower at the bottom has no highlighted lines and covers paper with colour.
TEST_P(LessonBitmapTest, StepsAreStackedFromFirstCircleToFinishedFlower) {
    const QImage image = m_image.convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(image.pixel(0, 0), LessonPainter::Paper.rgb());
    EXPECT_EQ(countColour(image, 0, LessonPainter::OldLine), 0);
    for (int band = 0; band < 5; ++band)
        EXPECT_GT(countColour(image, band, LessonPainter::NewLine), 100) << "step " << band + 1;
    for (int band = 1; band < 5; ++band)
        EXPECT_GT(countColour(image, band, LessonPainter::OldLine), 100) << "step " << band + 1;
    EXPECT_EQ(countColour(image, 5, LessonPainter::NewLine), 0);
    EXPECT_GT(countColour(image, 5, LessonPainter::Outline), 100);
    EXPECT_GT(countFills(image, 5, lessons().at(GetParam() - 1)), Width * StepHeight / 50);
}

INSTANTIATE_TEST_SUITE_P(Lessons, LessonBitmapTest, ::testing::Range(1, LessonCount + 1),
                         [](const auto& row) { return "lesson" + std::to_string(row.param); });

TEST(LessonCatalog, HasFortyTwoDifferentFlowers) {
    QSet<QString> names;
    for (const Lesson& lesson : lessons())
        names.insert(lesson.name);
    EXPECT_EQ(lessons().size(), LessonCount);
    EXPECT_EQ(names.size(), LessonCount);
    EXPECT_FALSE(QFile::exists(bitmapPath(LessonCount + 1)));
}

} // namespace
