// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/GridOverlay.h"

#include <QPainter>

GridOverlay::GridOverlay(QWidget* parent, QSize designSize, QColor color, int spacing, int lineWidth)
    : QWidget(parent), m_designSize(designSize), m_color(color), m_spacing(spacing), m_lineWidth(lineWidth) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

// Drawn at the screen's resolution rather than kept as a picture: the lines stay sharp at every scale, and
// without smoothing they keep their colour; at half size a line of two pixels becomes one.
void GridOverlay::paintEvent(QPaintEvent*) {
    if (m_spacing <= 0 || m_designSize.isEmpty())
        return;
    QPainter painter(this);
    painter.scale(double(width()) / m_designSize.width(), double(height()) / m_designSize.height());
    for (int x = m_spacing; x < m_designSize.width(); x += m_spacing)
        painter.fillRect(x, 0, m_lineWidth, m_designSize.height(), m_color);
    for (int y = m_spacing; y < m_designSize.height(); y += m_spacing)
        painter.fillRect(0, y, m_designSize.width(), m_lineWidth, m_color);
}
