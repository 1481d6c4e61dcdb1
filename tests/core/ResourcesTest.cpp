// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Resources.h"
#include "base/VbError.h"

#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace {

TEST(Resources, EveryLessonBitmapIsEmbeddedAtItsId) {
    for (int lesson = 1; lesson <= 42; ++lesson) {
        const QImage bitmap = Resources::LoadResPicture(100 + lesson, Resources::PictureKind::Bitmap);
        EXPECT_EQ(bitmap.size(), QSize(400, 1800)) << lesson;
        EXPECT_EQ(bitmap.format(), QImage::Format_Indexed8) << lesson;
    }
}

TEST(Resources, TheCanvasCursorIsA32PixelPointerWithItsHotSpotTopLeft) {
    const QImage cursor = Resources::LoadResPicture(101, Resources::PictureKind::Cursor);
    EXPECT_EQ(cursor.size(), QSize(32, 32));
    EXPECT_LE(cursor.colorCount(), 16);
    EXPECT_EQ(qAlpha(cursor.pixel(0, 0)), 255) << "the tip is at the hot spot";
    EXPECT_EQ(Resources::canvasCursor().hotSpot(), QPoint(0, 0));
}

TEST(Resources, StringResourcesHoldTheLessonCountAndTheStepCount) {
    EXPECT_EQ(Resources::LoadResString(Resources::LessonCountString), QStringLiteral("42"));
    EXPECT_EQ(Resources::LoadResString(Resources::EditionString), QStringLiteral("VI"));
}

TEST(Resources, SoundsAreCompleteRiffWaveImages) {
    for (int id = 101; id <= 107; ++id) {
        const QByteArray wav = Resources::LoadResData(id, QStringLiteral("WAV"));
        ASSERT_GE(wav.size(), 44) << id;
        EXPECT_TRUE(wav.startsWith("RIFF")) << id;
        EXPECT_EQ(wav.mid(8, 4), QByteArray("WAVE")) << id;
    }
}

TEST(Resources, WindowPicturesAreEmbedded) {
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

TEST(Resources, MissingResourcesRaiseError326) {
    const std::function<void()> loads[] = {
        [] { Resources::LoadResData(108, QStringLiteral("WAV")); },
        [] { Resources::LoadResPicture(143, Resources::PictureKind::Bitmap); },
        [] { Resources::LoadResPicture(100, Resources::PictureKind::Bitmap); },
        [] { Resources::LoadResString(101); },
    };
    for (const auto& load : loads) {
        try {
            load();
            ADD_FAILURE() << "no error";
        } catch (const VbError& error) {
            EXPECT_EQ(error.number(), 326);
        }
    }
}

} // namespace
