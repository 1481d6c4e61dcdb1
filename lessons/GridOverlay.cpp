#include "lessons/GridOverlay.h"

#include <QPainter>

GridOverlay::GridOverlay(QWidget* parent, QSize designSize, QColor color, int spacing, int lineWidth)
    : QWidget(parent), m_picture(designSize, QImage::Format_ARGB32_Premultiplied) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_picture.fill(Qt::transparent);
    QPainter painter(&m_picture);
    for (int x = spacing; x < designSize.width(); x += spacing)
        painter.fillRect(x, 0, lineWidth, designSize.height(), color);
    for (int y = spacing; y < designSize.height(); y += spacing)
        painter.fillRect(0, y, designSize.width(), lineWidth, color);
}

// Scaled without smoothing, so the lines keep their colour: at half size every other pixel row and
// column remains.
void GridOverlay::paintEvent(QPaintEvent*) {
    QPainter(this).drawImage(rect(), m_picture);
}
