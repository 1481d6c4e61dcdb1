// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/Edge3D.h"
#include "platform/SystemColors.h"
#include "support/PaletteScope.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <map>

namespace {

// The four edge colours and the background, one letter each:
// L 3D light, D 3D dark shadow, S button shadow, H 3D highlight, '.' untouched.
const std::map<char, QColor> Letters = {{'L', QColor(0xE3, 0xE3, 0xE3)},
                                        {'D', QColor(0x69, 0x69, 0x69)},
                                        {'S', QColor(0xA0, 0xA0, 0xA0)},
                                        {'H', QColor(0xFF, 0xFF, 0xFF)},
                                        {'.', QColor(0x20, 0x40, 0x60)}};

struct EdgeCase {
    const char* name;
    int edge;
    std::vector<const char*> rows; // an 8 × 7 image, edge drawn on left 1, top 1, right 7, bottom 6
};

void PrintTo(const EdgeCase& c, std::ostream* os) {
    *os << c.name;
}

class EdgeDrawing : public ::testing::TestWithParam<EdgeCase> {
protected:
    void SetUp() override {
        palette.set(SystemColors::Light3D, Letters.at('L'));
        palette.set(SystemColors::DarkShadow3D, Letters.at('D'));
        palette.set(SystemColors::ButtonShadow, Letters.at('S'));
        palette.set(SystemColors::Highlight3D, Letters.at('H'));
    }
    PaletteScope palette;
};

TEST_P(EdgeDrawing, DrawsOuterThenInnerRingTopLeftThenBottomRight) {
    const EdgeCase& c = GetParam();
    QImage image(8, 7, QImage::Format_RGB32);
    image.fill(Letters.at('.'));
    {
        QPainter painter(&image);
        Edge3D::drawEdge(painter, {1, 1, 7, 6}, c.edge);
    }
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(image.pixelColor(x, y), Letters.at(c.rows[static_cast<size_t>(y)][x]))
                << "at " << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EdgeDrawing,
    ::testing::Values(
        EdgeCase{"Sunken",
                 Edge3D::Sunken,
                 {"........", ".SSSSSH.", ".SDDDLH.", ".SD..LH.", ".SLLLLH.", ".HHHHHH.", "........"}},
        EdgeCase{"Raised",
                 Edge3D::Raised,
                 {"........", ".LLLLLD.", ".LHHHSD.", ".LH..SD.", ".LSSSSD.", ".DDDDDD.", "........"}},
        EdgeCase{"SunkenOuter",
                 Edge3D::SunkenOuter,
                 {"........", ".SSSSSH.", ".S....H.", ".S....H.", ".S....H.", ".HHHHHH.", "........"}},
        // A lone inner border lies on the outline.
        EdgeCase{"RaisedInner",
                 Edge3D::RaisedInner,
                 {"........", ".HHHHHS.", ".H....S.", ".H....S.", ".H....S.", ".SSSSSS.", "........"}},
        EdgeCase{"SunkenInner",
                 Edge3D::SunkenInner,
                 {"........", ".DDDDDL.", ".D....L.", ".D....L.", ".D....L.", ".LLLLLL.", "........"}},
        EdgeCase{"RaisedOuterSunkenInner",
                 Edge3D::RaisedOuter | Edge3D::SunkenInner,
                 {"........", ".LLLLLD.", ".LDDDLD.", ".LD..LD.", ".LLLLLD.", ".DDDDDD.", "........"}},
        EdgeCase{"NoBorder",
                 0,
                 {"........", "........", "........", "........", "........", "........", "........"}},
        EdgeCase{"BothOuterKindsDrawNothing",
                 Edge3D::RaisedOuter | Edge3D::SunkenOuter | Edge3D::RaisedInner,
                 {"........", "........", "........", "........", "........", "........", "........"}}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
