// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "draw/TraceLayer.h"

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QWidget>
#include <cstdint>
#include <vector>

// The drawing canvas picBild: a persistent picture the child draws on with a solid, round-ended pen in
// copy mode, and the one-level undo copy picOld. The picture is never scaled: it stays anchored at the
// top-left corner, and a canvas made smaller keeps what lies beyond its edge until it grows again.
// Pointer events reach the window as MouseDown/MouseMove/MouseUp with the original runtime's button and
// shift codes; while a button is held the canvas keeps the pointer, so a stroke runs to its edge.
class DrawingCanvas : public QWidget {
    Q_OBJECT

public:
    explicit DrawingCanvas(QWidget* parent = nullptr);

    // The pen colour, plain RGB (red in the low byte).
    uint32_t ForeColor() const { return m_foreColor; }
    void setForeColor(uint32_t rgb);
    // The pen width in pixels; a width below 1 raises error 380.
    int16_t DrawWidth() const { return m_drawWidth; }
    void setDrawWidth(int16_t width);

    // A straight segment with the current pen; the drawing position becomes `to`. From a point to
    // itself it is a round dot of the pen width.
    void Line(QPointF from, QPointF to);
    void LineTo(QPointF to) { Line(m_position, to); }

    // The visible picture, as large as the canvas.
    QImage Image() const;
    // Makes the visible picture the undo copy (picOld).
    void takeUndoCopy();
    // Shows the undo copy again.
    void restoreUndoCopy();
    QImage undoCopy() const;
    // An empty white page.
    void clear();
    // A page holding `picture` at its top-left corner at its own size, white elsewhere; the picture stays
    // whole also where it reaches beyond the canvas.
    void setPicture(const QImage& picture);
    // Draws a picture stretched into `target` (canvas pixels).
    void paintPicture(const QImage& picture, const QRect& target);

    // A picture to trace: shown faintly under the strokes, stretched over the canvas's 4:3 area. It is
    // never part of the drawing (not in Image(), the undo copy, a saved file or a print); a null picture
    // takes it away.
    void setTracing(const QImage& picture);
    // The picture to trace changed only within `changed`, in its own pixels.
    void retrace(const QImage& picture, const QRect& changed);
    bool tracing() const { return !m_tracing.isNull(); }

signals:
    void MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void MouseUp(int16_t Button, int16_t Shift, float X, float Y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
#if QT_CONFIG(tabletevent)
    void tabletEvent(QTabletEvent* event) override;
#endif
    void resizeEvent(QResizeEvent* event) override;

private:
    void growTo(QSize size);
    void changed(const QRect& area);
    void paintTraced(QPainter& painter, const QRect& area);
    // The layer is made and `picture` can be laid on it in place of the traced one.
    bool canRetrace(const QImage& picture) const;
    static QImage paintedPart(QPainter& painter, const QRect& area);

    QImage m_picture;
    QImage m_undo;
    // Where the picture may differ from the undo copy; outside it both are equal, so taking the copy on
    // a press only copies what the last stroke touched.
    QRect m_sinceUndo;
    uint32_t m_foreColor = 0;
    int16_t m_drawWidth = 1;
    QPointF m_position;
    QImage m_tracing;
    // The picture to trace as it shows, as large as the canvas; made at the first repaint after a change.
    TraceLayer m_traceLayer;
    // Where a repaint while tracing composes what the canvas shows, band by band, when it cannot compose
    // straight onto the window's image.
    std::vector<QRgb> m_composed;
};
