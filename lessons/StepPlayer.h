// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPolygonF>
#include <QRect>
#include <QTimer>

// Draws a lesson step before the child's eyes: the picture before it with its red lines grey, as the step
// shows them, then the step's new lines in red stroke by stroke at a child's pace, a small pen at the tip
// of the line. Its timer runs only while it plays.
class StepPlayer : public QObject {
    Q_OBJECT

public:
    // `pen` is drawn with its top-left corner at the tip of the line.
    explicit StepPlayer(const QImage& pen, QObject* parent = nullptr);

    void play(const QImage& before, const QList<QPolygonF>& strokes);
    // Ends the play where it is, without a further frame.
    void stop();
    bool isPlaying() const { return m_timer.isActive(); }

    // How long a play of strokes this long takes: 2 to 4 seconds.
    static int durationMs(double length);

signals:
    // The picture of the play at this moment, in the size of `before`.
    void frame(const QImage& picture);
    void strokeStarted();
    // The play's lines without the pen; they changed within `changed` since the last time.
    void linesDrawn(const QImage& lines, const QRect& changed);
    // Every line is drawn; the step's own picture may now be shown.
    void finished();

private:
    void advance();
    void drawUpTo(double length);

    QImage m_pen;
    QImage m_canvas;
    QList<QPolygonF> m_strokes;
    double m_total = 0;
    double m_drawn = 0;
    // The share of the play drawn so far.
    double m_share = 0;
    int m_started = 0;
    int m_duration = 0;
    QPointF m_tip;
    QRect m_changed;
    QElapsedTimer m_clock;
    QTimer m_timer;
};
