#include "draw/DrawingCanvas.h"

#include "base/VbError.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

QColor qcolor(uint32_t rgb) {
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

// The original runtime's codes: buttons 1 left, 2 right, 4 middle; shift 1, ctrl 2, alt 4.
int16_t buttonCode(Qt::MouseButtons buttons) {
    return static_cast<int16_t>(((buttons & Qt::LeftButton) ? 1 : 0) | ((buttons & Qt::RightButton) ? 2 : 0) |
                                ((buttons & Qt::MiddleButton) ? 4 : 0));
}

int16_t shiftCode(Qt::KeyboardModifiers modifiers) {
    return static_cast<int16_t>(((modifiers & Qt::ShiftModifier) ? 1 : 0) |
                                ((modifiers & Qt::ControlModifier) ? 2 : 0) |
                                ((modifiers & Qt::AltModifier) ? 4 : 0));
}

void copyArea(QImage& target, const QImage& source, const QRect& area) {
    const QRect clipped = area & source.rect() & target.rect();
    if (clipped.isEmpty())
        return;
    const int bytes = clipped.width() * 4;
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        std::copy_n(source.constScanLine(y) + clipped.left() * 4, bytes,
                    target.scanLine(y) + clipped.left() * 4);
}

// The top-left part of a picture as large as the canvas, white where the picture does not reach.
QImage visiblePart(const QImage& picture, QSize size) {
    if (picture.size() == size)
        return picture;
    QImage visible(size, QImage::Format_RGB32);
    visible.fill(Qt::white);
    copyArea(visible, picture, visible.rect());
    return visible;
}

} // namespace

DrawingCanvas::DrawingCanvas(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_StaticContents);
}

void DrawingCanvas::setForeColor(uint32_t rgb) {
    m_foreColor = rgb & 0xFFFFFF;
}

void DrawingCanvas::setDrawWidth(int16_t width) {
    if (width < 1)
        VbError::raise(VbErr::InvalidPropertyValue);
    m_drawWidth = width;
}

void DrawingCanvas::growTo(QSize size) {
    const QSize grown = m_picture.size().expandedTo(size);
    if (grown == m_picture.size())
        return;
    const auto grow = [&](QImage& image) {
        QImage larger(grown, QImage::Format_RGB32);
        larger.fill(Qt::white);
        if (!image.isNull())
            copyArea(larger, image, image.rect());
        image = std::move(larger);
    };
    grow(m_picture);
    grow(m_undo);
}

void DrawingCanvas::changed(const QRect& area) {
    m_sinceUndo |= area;
    update(area);
}

void DrawingCanvas::Line(QPointF from, QPointF to) {
    growTo(size());
    QPainter painter(&m_picture);
    // The pen stops at the canvas's edge, also where the picture reaches beyond it.
    painter.setClipRect(rect());
    painter.setPen(QPen(qcolor(m_foreColor), m_drawWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (from == to)
        painter.drawPoint(from);
    else
        painter.drawLine(from, to);
    m_position = to;
    const int reach = m_drawWidth / 2 + 2;
    const QRect area = QRectF(from, to).normalized().toAlignedRect().adjusted(-reach, -reach, reach, reach);
    changed(area & rect());
}

QImage DrawingCanvas::Image() const {
    return visiblePart(m_picture, size());
}

void DrawingCanvas::takeUndoCopy() {
    growTo(size());
    copyArea(m_undo, m_picture, m_sinceUndo);
    m_sinceUndo = QRect();
}

void DrawingCanvas::restoreUndoCopy() {
    growTo(size());
    copyArea(m_picture, m_undo, m_sinceUndo);
    update(m_sinceUndo);
    m_sinceUndo = QRect();
}

QImage DrawingCanvas::undoCopy() const {
    return visiblePart(m_undo, size());
}

void DrawingCanvas::clear() {
    growTo(size());
    m_picture.fill(Qt::white);
    changed(m_picture.rect());
}

void DrawingCanvas::paintPicture(const QImage& picture, const QRect& target) {
    growTo(size());
    QPainter painter(&m_picture);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture);
    changed(target & m_picture.rect());
}

void DrawingCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    if (m_picture.isNull())
        painter.fillRect(area, Qt::white);
    else
        painter.drawImage(area.topLeft(), m_picture, area);
}

void DrawingCanvas::resizeEvent(QResizeEvent*) {
    growTo(size());
}

void DrawingCanvas::mousePressEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    emit MouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), float(at.x()), float(at.y()));
}

void DrawingCanvas::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    emit MouseMove(buttonCode(event->buttons()), shiftCode(event->modifiers()), float(at.x()), float(at.y()));
}

void DrawingCanvas::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    emit MouseUp(buttonCode(event->button()), shiftCode(event->modifiers()), float(at.x()), float(at.y()));
}
