#include "core/Resources.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

namespace {

// The program finds every lesson through its own resource loader, by bitmap id 100 + lesson.
TEST(EmbeddedContent, EveryLessonLoadsAsA400By1800Picture) {
    for (int lesson = 1; lesson <= 42; ++lesson) {
        const QImage bitmap = Resources::LoadResPicture(100 + lesson, Resources::PictureKind::Bitmap);
        EXPECT_EQ(bitmap.size(), QSize(400, 1800)) << "lesson " << lesson;
        EXPECT_EQ(bitmap.format(), QImage::Format_Indexed8) << "lesson " << lesson;
    }
}

TEST(EmbeddedContent, CanvasPointerIsThePencilWithItsTipAtTheHotSpot) {
    const QImage pointer = Resources::LoadResPicture(101, Resources::PictureKind::Cursor);
    EXPECT_EQ(pointer.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(pointer.pixel(0, 0)), 255);
    EXPECT_EQ(Resources::canvasCursor().hotSpot(), QPoint(0, 0));
}

TEST(EmbeddedContent, WindowPicturesAreEmbedded) {
    const char* pictures[] = {"frmDraw/background.jpg",
                              "frmDraw/logo0.png",
                              "frmDraw/logo1.png",
                              "frmDraw/copyright.txt",
                              "flags/0.png",
                              "flags/1.png",
                              "flags/2.png",
                              "flags/3.png",
                              "flags/4.png",
                              "flags/6.png",
                              "frmColor/palette.png",
                              "frmColor/background.jpg",
                              "frmColor/rail.png",
                              "frmColor/thumb.png",
                              "frmColor/pointer.png",
                              "frmPreview/background.jpg",
                              "frmInfo/picture0.png",
                              "frmInfo/picture1.png",
                              "brizel/logo.png",
                              "icon/pinsola-32.png"};
    for (const char* picture : pictures)
        EXPECT_TRUE(QFile::exists(QStringLiteral(":/art/") + QLatin1String(picture))) << picture;
}

} // namespace
