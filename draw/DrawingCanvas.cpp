// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/DrawingCanvas.h"

#include "base/MouseCodes.h"
#include "base/SystemColorTable.h"
#include "base/VbError.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QRegion>
#if QT_CONFIG(tabletevent)
#include <QTabletEvent>
#endif
#include <algorithm>
#include <cmath>
#include <new>

namespace {

// Copies `from` of `source` to `target` with its top-left corner at `to`, as far as both images reach.
void copyRect(QImage& target, QPoint to, const QImage& source, const QRect& from) {
    const QPoint shift = to - from.topLeft();
    const QRect part = from & source.rect() & target.rect().translated(-shift);
    if (part.isEmpty())
        return;
    const qsizetype bytes = part.width() * 4;
    const qsizetype sourceLine = source.bytesPerLine();
    const qsizetype targetLine = target.bytesPerLine();
    const uchar* row = source.constScanLine(part.top()) + part.left() * 4;
    uchar* into = target.scanLine(part.top() + shift.y()) + (part.left() + shift.x()) * 4;
    for (int rows = part.height(); rows > 0; --rows, row += sourceLine, into += targetLine)
        std::copy_n(row, bytes, into);
}

// Copies `area` of `source` to the same place in `target`.
void copyArea(QImage& target, const QImage& source, const QRect& area) {
    copyRect(target, area.topLeft(), source, area);
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

// A screen reader hears the canvas as one: a surface drawn on, not a mere filler of the window.
QAccessibleInterface* canvasAccessible(const QString& className, QObject* object) {
    auto* canvas = qobject_cast<DrawingCanvas*>(object);
    if (className != QLatin1String("DrawingCanvas") || !canvas)
        return nullptr;
    return new QAccessibleWidget(canvas, QAccessible::Canvas);
}

// The smallest rectangle holding every pixel where two pictures of one size differ.
QRect differingArea(const QImage& one, const QImage& other) {
    const QImage a = one.convertToFormat(QImage::Format_RGB32);
    const QImage b = other.convertToFormat(QImage::Format_RGB32);
    QRect area;
    for (int y = 0; y < a.height(); ++y) {
        const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        const auto [firstA, firstB] = std::mismatch(rowA, rowA + a.width(), rowB);
        if (firstA == rowA + a.width())
            continue;
        int last = a.width() - 1;
        while (rowA[last] == rowB[last])
            --last;
        area |= QRect(QPoint(static_cast<int>(firstA - rowA), y), QPoint(last, y));
    }
    return area;
}

} // namespace

// Tab reaches it, so a screen reader can say what it is; a click only draws, as it always did.
DrawingCanvas::DrawingCanvas(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_StaticContents);
    setFocusPolicy(Qt::TabFocus);
    static const bool accessible = [] {
        QAccessible::installFactory(canvasAccessible);
        return true;
    }();
    Q_UNUSED(accessible);
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
    // Where memory runs out, the drawing stays as it was and the error window says so.
    const auto grow = [&](QImage& image) {
        QImage larger(grown, QImage::Format_RGB32);
        if (larger.isNull())
            throw std::bad_alloc();
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
    // The pen stops at the canvas's edge, also where the picture reaches beyond it; a picture as large as
    // the canvas stops it by itself, without the cost of a clip on every segment.
    if (m_picture.size() != size())
        painter.setClipRect(rect());
    painter.setPen(QPen(SystemColorTable::toQColor(m_foreColor), m_drawWidth, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
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

void DrawingCanvas::setPicture(const QImage& picture) {
    growTo(size().expandedTo(picture.size()));
    m_picture.fill(Qt::white);
    QPainter(&m_picture).drawImage(0, 0, picture);
    changed(m_picture.rect());
}

void DrawingCanvas::paintPicture(const QImage& picture, const QRect& target) {
    growTo(size());
    QPainter painter(&m_picture);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture);
    changed(target & m_picture.rect());
}

// Another step of one lesson differs from the one traced in its new lines only: the layer is laid anew
// there.
void DrawingCanvas::setTracing(const QImage& picture) {
    if (!picture.isNull() && canRetrace(picture))
        return retrace(picture, differingArea(m_tracing, picture));
    m_tracing = picture;
    m_traceLayer = TraceLayer();
    m_composed = {};
    update();
}

void DrawingCanvas::retrace(const QImage& picture, const QRect& changed) {
    if (!canRetrace(picture))
        return setTracing(picture);
    m_tracing = picture;
    update(m_traceLayer.redraw(picture, changed));
}

bool DrawingCanvas::canRetrace(const QImage& picture) const {
    return !m_tracing.isNull() && m_traceLayer.size() == size() && picture.size() == m_tracing.size();
}

// The part of the image a widget's painter paints on that shows `area` of the widget, where the painter
// paints straight onto an image of its own at the widget's scale, in a format that shows our pixels as
// they are, and all of the area is to be painted; a null image otherwise.
QImage DrawingCanvas::paintedPart(QPainter& painter, const QRect& area) {
    QPaintEngine* engine = painter.paintEngine();
    const QTransform& toDevice = painter.deviceTransform();
    if (engine->type() != QPaintEngine::Raster || engine->paintDevice()->devType() != QInternal::Image ||
        toDevice.type() > QTransform::TxTranslate)
        return {};
    auto* image = static_cast<QImage*>(engine->paintDevice());
    const QRect target = toDevice.mapRect(area);
    const QRegion clip = engine->systemClip();
    const bool whole = clip.isEmpty() || (clip.rectCount() == 1 && clip.boundingRect().contains(target));
    const bool opaque =
        image->format() == QImage::Format_RGB32 || image->format() == QImage::Format_ARGB32_Premultiplied;
    if (!whole || !opaque || !image->isDetached() || !image->rect().contains(target))
        return {};
    return QImage(image->scanLine(target.top()) + target.left() * 4, target.width(), target.height(),
                  image->bytesPerLine(), QImage::Format_RGB32);
}

// Where it can, the canvas composes straight onto what the window shows, in one pass as a repaint without
// tracing copies the picture: a stroke costs the same either way. Otherwise the area is composed band by
// band in a buffer kept from one repaint to the next: a stroke's repaint is one band, which stays in the
// processor's cache, and a whole canvas repainted takes no more memory than a band.
void DrawingCanvas::paintTraced(QPainter& painter, const QRect& area) {
    constexpr int BandPixels = 1 << 16;
    if (m_traceLayer.size() != size())
        m_traceLayer = TraceLayer(m_tracing, size());
    const auto compose = [this](QImage& part, QPoint at) {
        if (!m_picture.rect().contains(QRect(at, part.size())))
            part.fill(Qt::white);
        copyRect(part, QPoint(0, 0), m_picture, QRect(at, part.size()));
        m_traceLayer.showUnder(part, at);
    };
    if (QImage shown = paintedPart(painter, area); !shown.isNull()) {
        compose(shown, area.topLeft());
        return;
    }
    const int bandRows = std::max(1, BandPixels / std::max(1, area.width()));
    m_composed.resize(static_cast<size_t>(area.width()) * static_cast<size_t>(bandRows));
    for (int top = area.top(); top <= area.bottom(); top += bandRows) {
        const QRect band(area.left(), top, area.width(), std::min(bandRows, area.bottom() - top + 1));
        QImage part(reinterpret_cast<uchar*>(m_composed.data()), band.width(), band.height(),
                    band.width() * static_cast<qsizetype>(sizeof(QRgb)), QImage::Format_RGB32);
        compose(part, band.topLeft());
        painter.drawImage(band.topLeft(), part);
    }
}

// The picture and its undo copy are made at the first change and grow with the canvas at the next
// change after it has grown; where the picture does not reach yet, the canvas is white.
void DrawingCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect() & rect();
    if (tracing()) {
        paintTraced(painter, area);
        return;
    }
    const QRect drawn = area & m_picture.rect();
    if (!drawn.isEmpty())
        painter.drawImage(drawn.topLeft(), m_picture, drawn);
    for (const QRect& white : QRegion(area).subtracted(drawn))
        painter.fillRect(white, Qt::white);
}

void DrawingCanvas::mousePressEvent(QMouseEvent* event) {
    const MouseCodes::Pointer p = MouseCodes::pointer(*event);
    emit MouseDown(p.button, p.shift, p.x, p.y);
}

void DrawingCanvas::mouseMoveEvent(QMouseEvent* event) {
    const MouseCodes::Pointer p = MouseCodes::pointer(*event);
    emit MouseMove(p.button, p.shift, p.x, p.y);
}

void DrawingCanvas::mouseReleaseEvent(QMouseEvent* event) {
    const MouseCodes::Pointer p = MouseCodes::pointer(*event);
    emit MouseUp(p.button, p.shift, p.x, p.y);
}

#if QT_CONFIG(tabletevent)
// A pen draws as the mouse does, its tip the left button. Where Qt is built without pen events (for
// Windows), pens arrive as the mouse.
void DrawingCanvas::tabletEvent(QTabletEvent* event) {
    const MouseCodes::Pointer p = MouseCodes::pointer(*event);
    switch (event->type()) {
    case QEvent::TabletPress:
        emit MouseDown(p.button, p.shift, p.x, p.y);
        break;
    case QEvent::TabletMove:
        emit MouseMove(p.button, p.shift, p.x, p.y);
        break;
    case QEvent::TabletRelease:
        emit MouseUp(p.button, p.shift, p.x, p.y);
        break;
    default:
        return event->ignore();
    }
    event->accept();
}
#endif

// The layer to trace is stretched over the whole canvas, so all of it changes with the size.
void DrawingCanvas::resizeEvent(QResizeEvent*) {
    if (tracing())
        update();
}
