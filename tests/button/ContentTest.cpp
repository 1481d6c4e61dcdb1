// SPDX-License-Identifier: GPL-3.0-or-later
#include "BrizelFixture.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>

using brizel::rgb;

namespace {

constexpr uint32_t Face = rgb(192, 192, 192); // Force Standard
constexpr uint32_t Shadow = rgb(128, 128, 128);
constexpr uint32_t High = rgb(255, 255, 255);

brizel::Picture solid(QSize size, QColor color) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return brizel::Picture::fromImage(image);
}

} // namespace

class ContentTest : public BrizelTest {
protected:
    // A 40x24 button without caption: an 8x8 picture is centred at (16,8)-(23,15).
    brizel::IBrizel* pictured(int style, QColor color) {
        brizel::IBrizel* control = create();
        control->setButtonType(style);
        control->setColorScheme(3);
        control->setPictureNormal(solid(QSize(8, 8), color));
        return control;
    }
    int countPixels(brizel::IBrizel* control, QRect area, uint32_t color) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += pixel(control, x, y) == rgbText(color) ? 1 : 0;
        return count;
    }
};

TEST_F(ContentTest, PictureLooksAtRest) {
    struct Case {
        const char* name;
        int style;
        QColor picture;
        bool greyscale;
        uint32_t centre;
    };
    const Case cases[] = {
        {"plain", 1, QColor(255, 0, 0), false, rgb(255, 0, 0)},
        {"greyscale red", 1, QColor(255, 0, 0), true, rgb(76, 76, 76)},
        {"greyscale white", 1, QColor(255, 255, 255), true, rgb(254, 254, 254)},
        {"Office XP fades into the face", 9, QColor(255, 0, 0), false, rgb(234, 64, 64)},
        {"Office XP in grey is not faded", 9, QColor(255, 0, 0), true, rgb(76, 76, 76)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        brizel::IBrizel* control = pictured(c.style, c.picture);
        control->setUseGreyscale(c.greyscale ? -1 : 0);
        EXPECT_EQ(pixel(control, 16, 8), rgbText(c.centre));
        EXPECT_EQ(pixel(control, 23, 15), rgbText(c.centre));
        EXPECT_EQ(pixel(control, 24, 15), rgbText(Face));
    }
}

TEST_F(ContentTest, DisabledPicturesBecomeSilhouettes) {
    struct Case {
        const char* name;
        int style;
        QColor picture;
        uint32_t atOrigin;  // (16,8): the picture's own place
        uint32_t beyondEnd; // (24,16): only the copy moved by (1,1) reaches it
    };
    const Case cases[] = {
        {"engraved dark picture", 1, QColor(255, 0, 0), Shadow, High},
        {"threshold 384 joins", 1, QColor(128, 128, 128), Shadow, High},
        {"385 stays out", 1, QColor(129, 128, 128), Face, Face},
        {"white never joins", 1, QColor(255, 255, 255), Face, Face},
        {"Netscape: one silhouette", 6, QColor(0, 0, 255), Shadow, Face},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        brizel::IBrizel* control = pictured(c.style, c.picture);
        control->setEnabled(0);
        EXPECT_EQ(pixel(control, 16, 8), rgbText(c.atOrigin));
        EXPECT_EQ(pixel(control, 24, 16), rgbText(c.beyondEnd));
    }
}

TEST_F(ContentTest, MaskColourLeavesTheFaceUnlessSwitchedOff) {
    brizel::IBrizel* control = pictured(1, QColor(192, 192, 192));
    control->setBackColor(rgb(1, 2, 3));
    control->setColorScheme(2); // Custom face (1,2,3); the picture is all mask colour
    EXPECT_EQ(pixel(control, 20, 12), rgbText(rgb(1, 2, 3)));
    control->setUseMaskColor(0);
    EXPECT_EQ(pixel(control, 20, 12), rgbText(rgb(192, 192, 192)));
}

TEST_F(ContentTest, PictureOverWithoutPictureNormalIsNeverDrawn) {
    showWindow();
    brizel::IBrizel* control = create();
    control->setColorScheme(3);
    widgetOf(control)->show();
    control->setPictureOver(solid(QSize(8, 8), Qt::red));
    pointTo(widgetOf(control), QPoint(20, 12));
    EXPECT_EQ(countPixels(control, QRect(4, 4, 32, 16), rgb(255, 0, 0)), 0);
    control->setPictureNormal(solid(QSize(8, 8), Qt::blue));
    EXPECT_EQ(countPixels(control, QRect(16, 8, 8, 8), rgb(255, 0, 0)), 64);
}

TEST_F(ContentTest, OfficeXpLiftsThePictureUnderThePointer) {
    showWindow();
    brizel::IBrizel* control = pictured(9, QColor(255, 0, 0));
    widgetOf(control)->show();
    pointTo(widgetOf(control), QPoint(30, 20));
    EXPECT_EQ(pixel(control, 15, 7), rgbText(rgb(255, 0, 0))); // moved up-left by one
    EXPECT_EQ(pixel(control, 24, 16), rgbText(Shadow));        // the drop shadow, down-right
    EXPECT_EQ(pixel(control, 23, 15), rgbText(Shadow));
}

TEST_F(ContentTest, BackgroundPictureGetsTheCaptionDrawnOnTop) {
    brizel::IBrizel* control = create(80, 30);
    control->setColorScheme(3);
    control->setPicturePosition(4);
    control->setFont(QFont(QStringLiteral("DejaVu Sans"), 12, QFont::Bold));
    control->setCaption(QStringLiteral("WWW"));
    control->setPictureNormal(solid(QSize(80, 30), QColor(0, 0, 255)));
    // The picture covers the whole face; the black caption can only show because it is drawn again.
    EXPECT_GT(countPixels(control, QRect(0, 0, 80, 30), rgb(0, 0, 0)), 20);
    control->setPicturePosition(0);
    control->setCaption(QString());
    EXPECT_EQ(countPixels(control, QRect(0, 0, 80, 30), rgb(0, 0, 0)), 0);
}

TEST_F(ContentTest, CaptionIsDrawnInTheTextColour) {
    brizel::IBrizel* control = create(80, 30);
    control->setColorScheme(2);
    control->setBackColor(rgb(200, 200, 200));
    control->setForeColor(rgb(200, 0, 0));
    control->setButtonType(int32_t(brizel::ButtonTypes::SimpleFlat));
    auto reddish = [&] {
        int count = 0;
        const QImage face = control->Surface();
        for (int y = 0; y < face.height(); ++y)
            for (int x = 0; x < face.width(); ++x)
                count += qRed(face.pixel(x, y)) > qGreen(face.pixel(x, y)) + 60 ? 1 : 0;
        return count;
    };
    EXPECT_EQ(reddish(), 0);
    control->setCaption(QStringLiteral("Caption"));
    EXPECT_GT(reddish(), 20); // glyph edges may be smoothed toward the face
}

TEST_F(ContentTest, AccessKeyAloneWorksWhereNoControlTakesText) {
    showWindow();
    brizel::IBrizel* control = create();
    widgetOf(control)->show();
    control->setCaption(QStringLiteral("&Print"));
    QTest::keyClick(window.get(), Qt::Key_P);
    EXPECT_EQ(log.withoutMoves(), QStringList{"Click"});

    auto* edit = new QLineEdit(window.get());
    edit->move(100, 100);
    edit->show();
    edit->setFocus();
    log.events.clear();
    QTest::keyClick(edit, Qt::Key_P);
    EXPECT_EQ(edit->text(), QStringLiteral("p"));
    EXPECT_TRUE(log.withoutMoves().isEmpty());
    QTest::keyClick(edit, Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(log.withoutMoves(), QStringList{"Click"});
}

TEST_F(ContentTest, AboutShowsTheAboutWindowWithoutWaiting) {
    brizel::IBrizel* control = create();
    control->About();
    QDialog* about = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QLatin1String("frmAbout") && top->isVisible())
            about = qobject_cast<QDialog*>(top);
    ASSERT_NE(about, nullptr);
    EXPECT_FALSE(about->isModal());
    EXPECT_TRUE(about->windowTitle().startsWith(QStringLiteral("About ")));
    about->close();
}

TEST_F(ContentTest, ScreenReadersSeeAPushButton) {
    brizel::IBrizel* control = create();
    control->setCaption(QStringLiteral("&Save"));
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(widgetOf(control));
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->role(), QAccessible::Button);
    EXPECT_EQ(reader->text(QAccessible::Name), QStringLiteral("Save"));
    widgetOf(control)->setToolTip(QStringLiteral("Save the drawing"));
    EXPECT_EQ(reader->text(QAccessible::Name), QStringLiteral("Save the drawing"));
    control->setCheckBoxBehaviour(-1);
    control->setValue(-1);
    EXPECT_TRUE(reader->state().checked);
    control->setEnabled(0);
    EXPECT_TRUE(reader->state().disabled);
}

TEST_F(ContentTest, KdeDefaultButtonHasABoldCaptionAndKeepsItsFont) {
    auto inkOf = [&](bool isDefault) {
        container.isDefault = isDefault;
        brizel::IBrizel* control = create(90, 30);
        control->setButtonType(int32_t(brizel::ButtonTypes::KDE2));
        control->setColorScheme(3);
        control->setFont(QFont(QStringLiteral("DejaVu Sans"), 11));
        control->setCaption(QStringLiteral("WWW"));
        EXPECT_EQ(control->FontBold(), 0);
        int ink = 0;
        const QImage face = control->Surface();
        for (int y = 0; y < face.height(); ++y)
            for (int x = 0; x < face.width(); ++x)
                ink += qGray(face.pixel(x, y)) < 60 ? 1 : 0;
        return ink;
    };
    const int normal = inkOf(false);
    const int bold = inkOf(true);
    EXPECT_GT(normal, 10);
    EXPECT_GT(bold, normal + normal / 4);
}

TEST_F(ContentTest, ASharedAccessKeyMovesTheFocusInsteadOfClicking) {
    showWindow();
    brizel::IBrizel* first = create();
    brizel::IBrizel* second = create();
    widgetOf(second)->move(10, 50);
    widgetOf(first)->show();
    widgetOf(second)->show();
    first->setCaption(QStringLiteral("&Go"));
    second->setCaption(QStringLiteral("&Gone"));
    QTest::keyClick(window.get(), Qt::Key_G, Qt::AltModifier);
    EXPECT_FALSE(log.events.contains("Click"));
    EXPECT_TRUE(widgetOf(first)->hasFocus() || widgetOf(second)->hasFocus());
}
