// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawFixture.h"

#include "core/Allgemein.h"
#include "core/Forms.h"

#include <QApplication>
#include <QTest>

void DrawTest::SetUp() {
    Allgemein::SoundOn = 0;
    Allgemein::PenColor = 0x0000C0;
    Allgemein::PenWidth = 5;
    Allgemein::ColorWinOpen = 0;
    Allgemein::TraceOn = 0;
    Allgemein::StepNo = 0;
    Allgemein::LangIndex = 0;
    home.installGermanAndEnglish();
}

void DrawTest::open(QSize client) {
    window = frmDraw::instance();
    window->setFixedSize(client);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    canvas = part<DrawingCanvas>(window, "picBild");
}

void DrawTest::TearDown() {
    for (QWidget* form : Forms::loaded())
        Forms::unload(form);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int DrawTest::count(const QImage& image, const QRect& area, QRgb color) {
    int found = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            found += image.pixel(x, y) == color ? 1 : 0;
    return found;
}
