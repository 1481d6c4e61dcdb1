// SPDX-License-Identifier: GPL-3.0-or-later
#include "PreviewFixture.h"

#include "core/Allgemein.h"
#include "core/Forms.h"

#include <QApplication>
#include <QTest>

void PreviewTest::SetUp() {
    Allgemein::SoundOn = 0;
    Allgemein::LessonNo = 1;
    Allgemein::StepNo = 0;
    Allgemein::GridOn = 0;
    Allgemein::PreviewSize = -1;
    Allgemein::LangIndex = 0;
    home.installGermanAndEnglish();
    frmPreview::setDrawingWindow(nullptr, nullptr);
}

void PreviewTest::open() {
    window = frmPreview::instance();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
}

void PreviewTest::TearDown() {
    for (QWidget* form : Forms::loaded())
        Forms::unload(form);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void PreviewTest::click(Command command) {
    QWidget* button = window->buttonWidget(command);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

bool PreviewTest::enabled(Command command) const {
    return window->button(command).Enabled() != 0;
}

QImage PreviewTest::shown() const {
    return part<PictureBox>(window, "picPreview")->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage PreviewTest::band(int lesson, int band) {
    const QImage bitmap(QStringLiteral(":/bitmap/%1.bmp").arg(100 + lesson));
    return bitmap.copy(0, 300 * band, 400, 300).convertToFormat(QImage::Format_RGB32);
}

void PreviewTest::saveDrawing(const QString& name, const QImage& picture) const {
    ASSERT_TRUE(picture.save(home.programFolder() + QStringLiteral("/pics/") + name, "BMP"));
}
