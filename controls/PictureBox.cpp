// SPDX-License-Identifier: GPL-3.0-or-later
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

QPixmap PictureBox::blankPicture() const {
    const qreal ratio = devicePixelRatioF();
    QPixmap picture((QSizeF(size()) * ratio).toSize());
    picture.setDevicePixelRatio(ratio);
    picture.fill(m_backColor);
    return picture;
}

// The picture's own pixels go to the screen one to one where its density is the screen's.
void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), m_backColor);
    const qreal ratio = m_picture.devicePixelRatio();
    const QRectF shown = QRectF(event->rect()) & QRectF(QPointF(0, 0), m_picture.deviceIndependentSize());
    painter.drawPixmap(shown, m_picture, QRectF(shown.topLeft() * ratio, shown.size() * ratio));
}
