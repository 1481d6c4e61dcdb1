// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CaptionLayout.h"

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QRect>
#include <QString>

class QColor;
class QPainter;

namespace brizel {

// A caption as the text drawing shows it, word-wrapped to a width: '&' underlines the next character,
// "&&" shows one '&', Wingdings is drawn with its stand-in. Wrapping and shaping happen once in prepare();
// a button keeps one and draws every copy of its caption from it until caption, font or width change.
class CaptionText {
public:
    // Lays the caption out for `width`; nothing to do when it is laid out for these three already.
    void prepare(const QString& caption, const QFont& font, int width);
    // Widest line and the height of all lines.
    int width() const { return m_widest; }
    int height() const { return int(m_lines.size()) * m_lineHeight; }
    // Draws the lines centred in `box`, which should be as wide as the prepared width; leaves the painter's
    // pen set to `color`. Shapes the lines at the first drawing, so measuring alone never shapes.
    void draw(QPainter& painter, const TextBox& box, const QColor& color);

private:
    struct Line {
        QString text;
        int width = 0;
        QList<QRect> underlines; // relative to the line's left end and baseline
        QList<QGlyphRun> runs;   // glyph positions relative to the line's left end and top
        qreal ascent = 0;        // the shaped line's baseline below its top
    };

    void shape();

    bool m_prepared = false;
    bool m_shaped = false;
    bool m_glyphRuns = false; // drawn from the shaped glyphs, else as text
    QString m_caption;
    QFont m_font;
    int m_width = 0;
    QFont m_drawFont;
    QList<Line> m_lines;
    int m_widest = 0;
    int m_lineHeight = 0;
    int m_ascent = 0;
};

} // namespace brizel
