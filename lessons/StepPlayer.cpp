// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/StepPlayer.h"

#include <QLineF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace {

constexpr int FrameMs = 30;
constexpr double MsPerPixel = 4.0;
constexpr int ShortestMs = 2000;
constexpr int LongestMs = 4000;
// The new lines' colour and width in the lesson bitmaps, and the earlier lines' colour.
const QColor NewLine(226, 44, 44);
constexpr double NewLineWidth = 4.0;
constexpr int OldLine = 88;
// How far a palette colour may lie from a mix of paper and the new lines' colour and still be one.
constexpr int MixTolerance = 8;
constexpr int PenSize = 24;
// A frame draws at most this share of the play: after a stall (a busy machine) the play goes on from where
// it was instead of jumping to its end.
constexpr double LongestFrameShare = 0.1;

double lengthOf(const QPolygonF& stroke) {
    double length = 0;
    for (qsizetype i = 0; i + 1 < stroke.size(); ++i)
        length += QLineF(stroke[i], stroke[i + 1]).length();
    return length;
}

// A palette picture's red lines, their soft edges on the paper included, turned the dark grey of earlier
// lines, as the step being drawn shows them.
QImage withEarlierLines(QImage picture) {
    QList<QRgb> colours = picture.colorTable();
    for (QRgb& colour : colours) {
        const double share = (255.0 - qGreen(colour)) / (255 - NewLine.green());
        const auto mixed = [share](int line) {
            return static_cast<int>(std::lround(255 - (255 - line) * share));
        };
        if (share > 0 && share <= 1 && std::abs(qRed(colour) - mixed(NewLine.red())) <= MixTolerance &&
            std::abs(qBlue(colour) - mixed(NewLine.blue())) <= MixTolerance)
            colour = qRgb(mixed(OldLine), mixed(OldLine), mixed(OldLine));
    }
    picture.setColorTable(colours);
    return picture;
}

} // namespace

StepPlayer::StepPlayer(const QImage& pen, QObject* parent)
    : QObject(parent), m_pen(pen.scaled(PenSize, PenSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)) {
    m_timer.setInterval(FrameMs);
    connect(&m_timer, &QTimer::timeout, this, &StepPlayer::advance);
}

int StepPlayer::durationMs(double length) {
    return std::clamp(static_cast<int>(length * MsPerPixel), ShortestMs, LongestMs);
}

void StepPlayer::play(const QImage& before, const QList<QPolygonF>& strokes) {
    stop();
    m_canvas = withEarlierLines(before).convertToFormat(QImage::Format_RGB32);
    m_strokes = strokes;
    m_total = 0;
    for (const QPolygonF& stroke : m_strokes)
        m_total += lengthOf(stroke);
    m_drawn = 0;
    m_share = 0;
    m_started = 0;
    m_changed = m_canvas.rect();
    m_duration = durationMs(m_total);
    m_tip = m_strokes.isEmpty() ? QPointF() : m_strokes.first().first();
    m_clock.start();
    m_timer.start();
    advance();
}

void StepPlayer::stop() {
    m_timer.stop();
}

void StepPlayer::advance() {
    const double byClock =
        m_total > 0 ? std::min(1.0, static_cast<double>(m_clock.elapsed()) / m_duration) : 1.0;
    const double share = m_total > 0 ? std::min(byClock, m_share + LongestFrameShare) : 1.0;
    m_share = share;
    drawUpTo(m_total * share);
    if (!m_changed.isEmpty())
        emit linesDrawn(m_canvas, std::exchange(m_changed, QRect()));
    if (share >= 1.0) {
        stop();
        emit finished();
        return;
    }
    QImage shown = m_canvas.copy();
    QPainter(&shown).drawImage(m_tip, m_pen);
    emit frame(shown);
}

// Draws the lines from where the last frame left off to `length` along all strokes, and starts the pen
// sound for each stroke begun.
void StepPlayer::drawUpTo(double length) {
    QPainter painter(&m_canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(NewLine, NewLineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    double start = 0;
    for (int i = 0; i < m_strokes.size() && start < length; ++i) {
        const QPolygonF& stroke = m_strokes[i];
        if (i >= m_started) {
            m_started = i + 1;
            emit strokeStarted();
        }
        for (qsizetype j = 0; j + 1 < stroke.size() && start < length; ++j) {
            const QLineF segment(stroke[j], stroke[j + 1]);
            const double end = start + segment.length();
            if (end > m_drawn && segment.length() > 0) {
                const double from = std::max(0.0, m_drawn - start) / segment.length();
                const double to = std::min(1.0, (length - start) / segment.length());
                const QLineF drawn(segment.pointAt(from), segment.pointAt(to));
                painter.drawLine(drawn);
                m_tip = drawn.p2();
                m_changed |=
                    QRectF(drawn.p1(), drawn.p2()).normalized().toAlignedRect().adjusted(-3, -3, 3, 3);
            }
            start = end;
        }
    }
    m_drawn = std::max(m_drawn, length);
}
