// SPDX-License-Identifier: GPL-3.0-or-later
#include "BrizelFixture.h"

#include <QImage>
#include <vector>

using brizel::rgb;

namespace {

constexpr uint32_t Face = rgb(192, 192, 192); // Force Standard
constexpr uint32_t Red = rgb(255, 0, 0);
constexpr uint32_t Blue = rgb(0, 0, 255);
constexpr uint32_t FaceDark = rgb(152, 152, 152);  // the face shaded by -40
constexpr uint32_t FaceLight = rgb(232, 232, 232); // the face shaded by +40

brizel::Picture solid(QColor color) {
    QImage image(QSize(8, 8), QImage::Format_RGB32);
    image.fill(color);
    return brizel::Picture::fromImage(image);
}

enum class Look { Up, Down, Disabled };

struct PixelFact {
    int x;
    int y;
    uint32_t color;
};

struct PictureCase {
    const char* name;
    int style;
    Look look;
    int effect;
    bool pictureOver;
    std::vector<PixelFact> pixels;
};

} // namespace

// A 40x24 button without caption: the 8x8 red PictureNormal is placed at (16,8), its last pixel at (23,15);
// a blue PictureOver is drawn with the same size.
class PictureLookTest : public BrizelTest {
protected:
    brizel::IBrizel* pictured(const PictureCase& c) {
        brizel::IBrizel* control = create();
        control->setButtonType(c.style);
        control->setColorScheme(3);
        control->setSpecialEffect(c.effect);
        control->setPictureNormal(solid(Qt::red));
        if (c.pictureOver)
            control->setPictureOver(solid(Qt::blue));
        if (c.look == Look::Down) {
            control->setCheckBoxBehaviour(-1);
            control->setValue(-1);
        }
        if (c.look == Look::Disabled)
            control->setEnabled(0);
        return control;
    }
};

TEST_F(PictureLookTest, PlacesAndCopiesOfEveryLook) {
    const std::vector<PictureCase> cases = {
        {"down moves by one", 1, Look::Down, 0, false, {{16, 8, Face}, {17, 9, Red}, {24, 16, Red}}},
        {"Java Metal down stays",
         5,
         Look::Down,
         0,
         false,
         {{16, 8, Red}, {23, 15, Red}, {24, 16, rgb(144, 144, 144)}}},
        {"Office XP down stays", 9, Look::Down, 0, false, {{16, 8, Red}, {24, 16, Face}}},
        {"down shows PictureOver moved",
         1,
         Look::Down,
         0,
         true,
         {{16, 8, Face}, {17, 9, Blue}, {24, 16, Blue}}},
        {"Java Metal down shows PictureOver in place",
         5,
         Look::Down,
         0,
         true,
         {{16, 8, Blue}, {23, 15, Blue}}},
        {"Office XP down keeps PictureNormal", 9, Look::Down, 0, true, {{16, 8, Red}, {23, 15, Red}}},
        {"shadow copy at rest", 1, Look::Up, 3, false, {{16, 8, Red}, {24, 16, FaceDark}, {15, 7, Face}}},
        {"embossed copies at rest", 1, Look::Up, 1, false, {{24, 16, FaceDark}, {15, 7, FaceLight}}},
        {"engraved copies at rest", 1, Look::Up, 2, false, {{24, 16, FaceLight}, {15, 7, FaceDark}}},
        {"shadow copy follows the pressed picture",
         1,
         Look::Down,
         3,
         false,
         {{24, 16, Red}, {25, 17, FaceDark}}},
        {"PictureOver pressed has no copies", 1, Look::Down, 3, true, {{24, 16, Blue}, {25, 17, Face}}},
        {"Java Metal pressed copy stays", 5, Look::Down, 3, false, {{23, 15, Red}, {24, 16, FaceDark}}},
        {"Windows XP copy on the raised face", 3, Look::Up, 3, false, {{24, 16, rgb(200, 200, 200)}}},
        {"Windows XP disabled is grey and moved",
         3,
         Look::Disabled,
         3,
         false,
         {{16, 8, rgb(216, 216, 210)}, {17, 9, rgb(76, 76, 76)}, {24, 16, rgb(76, 76, 76)}}},
        {"Office XP disabled silhouette",
         9,
         Look::Disabled,
         3,
         false,
         {{16, 8, rgb(141, 141, 141)}, {23, 15, rgb(141, 141, 141)}, {24, 16, Face}}},
        {"Java Metal disabled silhouette",
         5,
         Look::Disabled,
         0,
         false,
         {{16, 8, rgb(128, 128, 128)}, {24, 16, Face}}},
    };
    for (const PictureCase& c : cases) {
        SCOPED_TRACE(c.name);
        brizel::IBrizel* control = pictured(c);
        for (const PixelFact& fact : c.pixels) {
            SCOPED_TRACE(testing::Message() << "pixel (" << fact.x << "," << fact.y << ")");
            EXPECT_EQ(pixel(control, fact.x, fact.y), rgbText(fact.color));
        }
        delete widgetOf(control);
    }
}

TEST_F(PictureLookTest, OfficeXpHoverCopyTakesTheHoverFace) {
    showWindow();
    brizel::IBrizel* control = pictured({"", 9, Look::Up, 3, false, {}});
    widgetOf(control)->show();
    pointTo(widgetOf(control), QPoint(30, 20));
    // The copy lies at the picture's own place, under the lifted picture and its drop shadow; only its
    // top-right pixel shows: HoverFaceColor (173,173,209) shaded by -40.
    EXPECT_EQ(pixel(control, 23, 8), rgbText(rgb(133, 133, 169)));
    EXPECT_EQ(pixel(control, 15, 7), rgbText(Red));
}
