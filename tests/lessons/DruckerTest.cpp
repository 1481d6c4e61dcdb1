#include "lessons/Drucker.h"

#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr double A4WidthTwips = 210 * 56.7;
constexpr double A4HeightTwips = 297 * 56.7;

struct MarginCase {
    const char* name;
    Drucker::PrinterMeasures printer;
    Drucker::PageMargins expected;
};

class PrintMargins : public ::testing::TestWithParam<MarginCase> {};

TEST_P(PrintMargins, FollowTheMarginRule) {
    const MarginCase& c = GetParam();
    const Drucker::PageMargins margins = Drucker::marginsFor(c.printer);
    EXPECT_EQ(margins.left, c.expected.left);
    EXPECT_EQ(margins.right, c.expected.right);
    EXPECT_EQ(margins.top, c.expected.top);
    EXPECT_EQ(margins.bottom, c.expected.bottom);
}

// Offsets are device pixels; 11.8125 of them make a millimetre whatever the resolution.
INSTANTIATE_TEST_SUITE_P(
    Table, PrintMargins,
    ::testing::Values(
        // No unprintable edge: left and top 1 mm; right and bottom from the raw 0 before the +1.
        MarginCase{"zero_offsets", {A4WidthTwips, A4HeightTwips, 210, 297, 0, 0}, {1, 1, 1, 1}},
        // 5 mm all round at 300 dpi: right = floor(210 - 200 - 5) + 1 = 6, computed before left's +1.
        MarginCase{"five_mm_300dpi", {A4WidthTwips, A4HeightTwips, 200, 287, 59.0625, 59.0625}, {6, 6, 6, 6}},
        // The same paper at 600 dpi: the offsets count twice as many pixels, so left and top double.
        MarginCase{
            "five_mm_600dpi", {A4WidthTwips, A4HeightTwips, 200, 287, 118.125, 118.125}, {11, 1, 11, 1}},
        // 2.5 mm rounds to the even 2, 3.5 mm to 4.
        MarginCase{
            "halves_to_even", {A4WidthTwips, A4HeightTwips, 204.3, 290.2, 29.53125, 41.34375}, {3, 4, 5, 3}},
        // A fraction of a millimetre left over is dropped before the +1.
        MarginCase{"floor", {A4WidthTwips, A4HeightTwips, 205.6, 292.9, 0, 0}, {1, 5, 1, 5}}),
    [](const ::testing::TestParamInfo<MarginCase>& info) { return std::string(info.param.name); });

} // namespace

namespace {

// The bounding box of the pixels close to `colour`.
QRect areaOf(const QImage& page, QColor colour) {
    QRect box;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                    std::abs(c.blue() - colour.blue()) <
                60)
                box |= QRect(x, y, 1, 1);
        }
    return box;
}

TEST(PrintPicture, PrintsOneLandscapePageWithTheDrawingInItsShapeAndTheFooterBelowIt) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QImage drawing(400, 300, QImage::Format_RGB32);
    drawing.fill(QColor(0, 0, 255));
    Drucker::PrintPicture(printer, drawing, {6, 6, 6, 6}, QStringLiteral("DejaVu Sans"),
                          QStringLiteral("Pinsola  |  footer"));

    // 254 dots per inch: 10 pixels per millimetre.
    ASSERT_EQ(QProcess::execute(QStringLiteral("pdftoppm"),
                                {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-png"),
                                 QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("page"))}),
              0);
    const QImage page(dir.filePath(QStringLiteral("page.png")));
    ASSERT_FALSE(page.isNull());
    EXPECT_NEAR(page.width(), 2970, 2) << "A4 landscape";
    EXPECT_NEAR(page.height(), 2100, 2);
    const QRect picture = areaOf(page, QColor(0, 0, 255));
    EXPECT_NEAR(double(picture.width()) / picture.height(), 4.0 / 3.0, 0.01);
    EXPECT_NEAR(picture.top(), 60, 2) << "at the top margin";
    EXPECT_GE(picture.left(), 60);
    EXPECT_LE(picture.right(), 2970 - 60);
    const QRect footer =
        areaOf(page.copy(0, picture.bottom() + 1, page.width(), page.height() - picture.bottom() - 1),
               QColor(0, 0, 0));
    EXPECT_FALSE(footer.isEmpty()) << "a footer line below the drawing";
    EXPECT_LT(footer.top(), 20);
    EXPECT_LT(footer.height(), 40) << "one small line";
    EXPECT_NEAR(footer.left(), picture.left(), 8);
    EXPECT_LE(picture.bottom() + 1 + footer.bottom(), 2100 - 60) << "inside the bottom margin";
}

} // namespace
