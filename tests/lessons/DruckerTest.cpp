// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/Drucker.h"

#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct MarginCase {
    const char* name;
    QMarginsF unprintableMm; // left, top, right, bottom
    Drucker::PageMargins expected;
};

class PrintMargins : public ::testing::TestWithParam<MarginCase> {};

TEST_P(PrintMargins, FollowTheMarginRuleOutsideTheUnprintableBorder) {
    const MarginCase& c = GetParam();
    const Drucker::PageMargins margins = Drucker::marginsFor({QSizeF(297, 210), c.unprintableMm});
    EXPECT_EQ(margins.left, c.expected.left);
    EXPECT_EQ(margins.right, c.expected.right);
    EXPECT_EQ(margins.top, c.expected.top);
    EXPECT_EQ(margins.bottom, c.expected.bottom);
    EXPECT_GT(margins.left, c.unprintableMm.left());
    EXPECT_GT(margins.right, c.unprintableMm.right());
    EXPECT_GT(margins.top, c.unprintableMm.top());
    EXPECT_GT(margins.bottom, c.unprintableMm.bottom());
}

INSTANTIATE_TEST_SUITE_P(
    Table, PrintMargins,
    ::testing::Values(
        // No unprintable edge: 1 mm all round.
        MarginCase{"zero_border", {0, 0, 0, 0}, {1, 1, 1, 1}},
        MarginCase{"five_mm", {5, 5, 5, 5}, {6, 6, 6, 6}},
        // An office laser printer's A4 in landscape: 36 pt (12.7 mm) at the sides, 18 pt (6.35 mm) above
        // and below. The near edges round, the far ones round down, each plus 1.
        MarginCase{"office_laser_landscape", {12.7, 6.35, 12.7, 6.35}, {14, 13, 7, 7}},
        // 2.5 mm rounds to the even 2, 3.5 mm to 4.
        MarginCase{"halves_to_even", {2.5, 3.5, 3.2, 3.3}, {3, 4, 5, 4}},
        // A far border of 4.9 mm needs 5 mm, not the 4 that rounding the near edge first once gave.
        MarginCase{"far_edge_from_its_own_border", {0.4, 0.4, 4.9, 4.9}, {1, 5, 1, 5}}),
    [](const ::testing::TestParamInfo<MarginCase>& row) { return std::string(row.param.name); });

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

struct PageCase {
    const char* name;
    QMarginsF uprightBorderPoints; // the printer's unprintable border of the upright sheet
    double topPixels;              // where the picture starts: the larger of margin and border
    double sidePixels;             // nothing closer to the left or right edge
};

class PrintPicture : public ::testing::TestWithParam<PageCase> {};

TEST_P(PrintPicture, PrintsOneLandscapePageWithTheDrawingInItsShapeAndTheFooterBelowItInsideTheBorder) {
    const PageCase& c = GetParam();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, c.uprightBorderPoints,
                                      QPageLayout::Point, c.uprightBorderPoints));
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
    EXPECT_NEAR(picture.top(), c.topPixels, 2) << "at the top margin";
    EXPECT_GE(picture.left(), c.sidePixels);
    EXPECT_LE(picture.right(), 2970 - c.sidePixels);
    const QRect footer =
        areaOf(page.copy(0, picture.bottom() + 1, page.width(), page.height() - picture.bottom() - 1),
               QColor(0, 0, 0));
    EXPECT_FALSE(footer.isEmpty()) << "a footer line below the drawing";
    EXPECT_LT(footer.top(), 20);
    EXPECT_LT(footer.height(), 40) << "one small line";
    EXPECT_NEAR(footer.left(), picture.left(), 8);
    EXPECT_LE(picture.bottom() + 1 + footer.bottom(), 2100 - c.topPixels) << "inside the bottom margin";
}

// A sheet printable to its edges keeps the 6 mm margins; an office printer's upright border of 18 pt at
// the sides and 36 pt above and below lies turned on the landscape page: 12.7 mm at the sides, 6.35 mm
// above and below.
INSTANTIATE_TEST_SUITE_P(Table, PrintPicture,
                         ::testing::Values(PageCase{"borderless", {0, 0, 0, 0}, 60, 60},
                                           PageCase{"office_laser", {18, 36, 18, 36}, 63.5, 127}),
                         [](const ::testing::TestParamInfo<PageCase>& row) {
                             return std::string(row.param.name);
                         });

} // namespace
