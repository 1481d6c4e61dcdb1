// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Allgemein.h"
#include "support/ErrorScript.h"
#include "support/TempHome.h"

#include <QApplication>
#include <QFile>
#include <QLibrary>
#include <QWidget>
#include <gtest/gtest.h>

using namespace Allgemein;

namespace {
constexpr int kCancel = 2;

QByteArray resource(int id) {
    QFile file(QStringLiteral(":/wav/%1.wav").arg(id));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

// The system's player decodes the sounds itself: the program finds it in its folder and hands it every
// sound, and where there is no sound device (as under Wine here) nothing is shown or asked.
TEST(PlaySoundTest, EverySoundGoesToTheSystemsPlayerWithoutAnyQuestion) {
    const TempHome home;
    QLibrary module(home.programFolder() + QStringLiteral("/pinsola_sound"));
    ASSERT_NE(module.resolve("PinsolaPlayWav"), nullptr) << module.errorString().toStdString();
    ErrorScript script({kCancel});
    for (int16_t id = 101; id <= 107; ++id) {
        PlayWAV(Sound(id));
        EXPECT_EQ(WavData, resource(id)) << id;
    }
    EXPECT_EQ(script.count(), 0);
    for (QWidget* window : QApplication::topLevelWidgets())
        EXPECT_FALSE(window->isVisible()) << window->metaObject()->className();
}
