// SPDX-License-Identifier: GPL-3.0-or-later
#include "LessonCatalog.h"
#include "LessonPainter.h"
#include "PenPaths.h"

#include <QFile>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QSet>
#include <QtEndian>
#include <array>

#include <gtest/gtest.h>

namespace {

constexpr int LessonCount = 42;
constexpr int Width = 400;
constexpr int StepHeight = 300;
constexpr int Height = 1800;

QString bitmapPath(int lesson) {
    return QStringLiteral(SOURCE_DIR "/resources/bitmap/%1.bmp").arg(100 + lesson);
}

QString strokesPath(int lesson) {
    return QStringLiteral(SOURCE_DIR "/resources/bitmap/%1.strokes").arg(100 + lesson);
}

// The committed pen paths, by step: "step: x,y x,y …" a line.
std::array<QList<QPolygonF>, 7> readStrokes(const QString& text) {
    std::array<QList<QPolygonF>, 7> steps;
    for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts)) {
        const int step = line.section(u':', 0, 0).toInt();
        QPolygonF stroke;
        for (const QString& point : line.section(u':', 1).split(u' ', Qt::SkipEmptyParts))
            stroke << QPointF(point.section(u',', 0, 0).toInt(), point.section(u',', 1).toInt());
        if (step >= 1 && step <= 6)
            steps.at(step) << stroke;
    }
    return steps;
}

bool nearColour(const QImage& band, QPointF point, const QColor& colour, double within) {
    for (int y = int(point.y() - within); y <= int(point.y() + within); ++y)
        for (int x = int(point.x() - within); x <= int(point.x() + within); ++x)
            if (band.valid(x, y) && band.pixel(x, y) == colour.rgb() &&
                QLineF(point, QPointF(x + 0.5, y + 0.5)).length() <= within)
                return true;
    return false;
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

// Every point the pen passes lies on a red line of its step (within 2 pixels), and the strokes, drawn as
// wide as a new line and a pixel more each side, cover nearly all of the step's red pixels.
TEST_P(LessonBitmapTest, PenPathsDrawEachStepsRedLines) {
    QFile file(strokesPath(GetParam()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << file.fileName().toStdString();
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_EQ(text.trimmed(), PenPaths::text(lessons().at(GetParam() - 1), m_image));
    const auto steps = readStrokes(text);
    const QImage image = m_image.convertToFormat(QImage::Format_RGB32);
    for (int step = 1; step <= 6; ++step) {
        const QImage band = image.copy(0, StepHeight * (step - 1), Width, StepHeight);
        QImage covered(band.size(), QImage::Format_RGB32);
        covered.fill(Qt::white);
        QPainter painter(&covered);
        painter.setPen(QPen(Qt::black, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        int strayPoints = 0;
        for (const QPolygonF& stroke : steps.at(step)) {
            painter.drawPolyline(stroke);
            for (qsizetype i = 0; i + 1 < stroke.size(); ++i) {
                const QLineF segment(stroke[i], stroke[i + 1]);
                for (double at = 0; at <= segment.length(); at += 1.0)
                    strayPoints += !nearColour(band, segment.pointAt(at / segment.length()),
                                               LessonPainter::NewLine, 2.0);
            }
        }
        painter.end();
        int red = 0;
        int drawn = 0;
        for (int y = 0; y < StepHeight; ++y)
            for (int x = 0; x < Width; ++x)
                if (band.pixel(x, y) == LessonPainter::NewLine.rgb()) {
                    ++red;
                    drawn += covered.pixel(x, y) == QColor(Qt::black).rgb();
                }
        EXPECT_EQ(strayPoints, 0) << "step " << step;
        EXPECT_GE(drawn, red * 0.95) << "step " << step << ": " << drawn << " of " << red;
        EXPECT_EQ(steps.at(step).isEmpty(), red == 0) << "step " << step;
    }
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
