#include "controls/PictureBox.h"

#include <QPaintEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setBackColor(const QColor& color) {
    m_backColor = color;
    QPalette colours = palette();
    colours.setColor(QPalette::Window, color);
    setPalette(colours);
    update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), m_backColor);
    painter.drawPixmap(event->rect().topLeft(), m_picture, event->rect());
}
