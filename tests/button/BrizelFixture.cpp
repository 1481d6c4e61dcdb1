// SPDX-License-Identifier: GPL-3.0-or-later
#include "BrizelFixture.h"

#include <QApplication>
#include <QCursor>
#include <QPalette>
#include <QResizeEvent>
#include <QTest>

namespace {

QColor qcolor(uint32_t color) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

void setKnownPalette() {
    QPalette palette;
    palette.setColor(QPalette::Button, qcolor(sys::Face));
    palette.setColor(QPalette::Dark, qcolor(sys::Shadow));
    palette.setColor(QPalette::Midlight, qcolor(sys::Light));
    palette.setColor(QPalette::Shadow, qcolor(sys::DarkShadow));
    palette.setColor(QPalette::Light, qcolor(sys::Highlight));
    palette.setColor(QPalette::ButtonText, qcolor(sys::Text));
    palette.setColor(QPalette::Highlight, qcolor(sys::Select));
    QApplication::setPalette(palette);
}

} // namespace

void EventLog::Click() {
    events << QStringLiteral("Click");
    if (onClick)
        onClick();
}

void EventLog::MouseDown(int16_t& button, int16_t& shift, float& x, float& y) {
    events << QStringLiteral("MouseDown %1 %2 %3 %4").arg(button).arg(shift).arg(x).arg(y);
    if (onMouseDownButton)
        onMouseDownButton(button);
}

void EventLog::MouseMove(int16_t& button, int16_t&, float&, float&) {
    events << QStringLiteral("MouseMove %1").arg(button);
}

void EventLog::MouseUp(int16_t& button, int16_t&, float&, float&) {
    events << QStringLiteral("MouseUp %1").arg(button);
}

void EventLog::KeyPress(int16_t& keyAscii) {
    events << QStringLiteral("KeyPress %1").arg(keyAscii);
}

void EventLog::KeyDown(int16_t& keyCode, int16_t& shift) {
    events << QStringLiteral("KeyDown %1 %2").arg(keyCode).arg(shift);
    if (onKeyDownCode)
        onKeyDownCode(keyCode);
}

void EventLog::KeyUp(int16_t& keyCode, int16_t&) {
    events << QStringLiteral("KeyUp %1").arg(keyCode);
}

QStringList EventLog::withoutMoves() const {
    QStringList result;
    for (const QString& event : events)
        if (!event.startsWith(QLatin1String("MouseMove")))
            result << event;
    return result;
}

std::string rgbText(uint32_t color) {
    return QStringLiteral("(%1,%2,%3)")
        .arg(color & 0xFF)
        .arg((color >> 8) & 0xFF)
        .arg((color >> 16) & 0xFF)
        .toStdString();
}

void BrizelTest::SetUp() {
    setKnownPalette();
    window = std::make_unique<QWidget>();
    window->resize(300, 200);
    ASSERT_NE(factory(), nullptr);
}

void BrizelTest::TearDown() {
    window.reset();
}

brizel::BrizelFactory* BrizelTest::factory() {
    static brizel::BrizelFactory* loaded = brizel::loadBrizelFactory(QStringLiteral(BRIZEL_LIBRARY));
    return loaded;
}

brizel::IBrizel* BrizelTest::createUnplaced(int width, int height) {
    QWidget* widget = factory()->createControl(window.get());
    auto* control = qobject_cast<brizel::IBrizel*>(widget);
    if (!control)
        return nullptr;
    control->setContainer(&container);
    control->setEvents(&log);
    widget->move(10, 10);
    resizeNow(widget, QSize(width, height));
    return control;
}

brizel::IBrizel* BrizelTest::create(int width, int height) {
    brizel::IBrizel* control = createUnplaced(0, 0);
    if (!control)
        return nullptr;
    control->InitProperties();
    control->setCaption(QString());
    resizeNow(widgetOf(control), QSize(width, height));
    return control;
}

void BrizelTest::resizeNow(QWidget* widget, QSize size) {
    // Qt holds back the resize event of a hidden widget until it is shown; deliver it now, as a host's
    // layout pass would, so hidden controls can be examined.
    const QSize old = widget->size();
    widget->resize(size);
    if (widget->isVisible())
        return;
    QResizeEvent event(size, old);
    QApplication::sendEvent(widget, &event);
    widget->setAttribute(Qt::WA_PendingResizeEvent, false);
}

QWidget* BrizelTest::widgetOf(brizel::IBrizel* control) const {
    return dynamic_cast<QWidget*>(control);
}

std::string BrizelTest::pixel(brizel::IBrizel* control, int x, int y) const {
    const QRgb value = control->Surface().pixel(x, y);
    return rgbText(brizel::rgb(qRed(value), qGreen(value), qBlue(value)));
}

void BrizelTest::showWindow() {
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
}

void BrizelTest::pointTo(QWidget* widget, QPoint local) {
    // Setting the cursor where it already is moves nothing; step off first so the move always happens.
    if (QCursor::pos() == widget->mapToGlobal(local))
        QCursor::setPos(widget->mapToGlobal(local) + QPoint(1, 0));
    QCursor::setPos(widget->mapToGlobal(local));
    // QTest reads a null point as the centre of what it is given, so the move goes to the window, which
    // also hands it to whatever lies under the point, as the platform does.
    QTest::mouseMove(widget->window()->windowHandle(), widget->mapTo(widget->window(), local));
    QApplication::processEvents();
}

void BrizelTest::pointAway() {
    pointTo(window.get(), QPoint(290, 190));
}
