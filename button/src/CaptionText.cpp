// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaptionText.h"

#include "SymbolFont.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>

namespace brizel {
namespace {

// The caption as the text drawing shows it: prefixes removed, mapped to the drawing font.
struct ShownText {
    QString text;
    QList<qsizetype> underlined; // positions in `text` of characters that carry the underline
};

struct TextLine {
    QString text;
    qsizetype start = 0; // position of the line's first character in ShownText::text
    int width = 0;
};

ShownText shownText(const QString& caption, const QFont& requested) {
    ShownText shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        QChar c = caption.at(i);
        bool underline = false;
        if (c == u'&' && i + 1 < caption.size()) { // a trailing ampersand shows as it is
            c = caption.at(++i);
            underline = c != u'&';
        }
        if (underline)
            shown.underlined.append(shown.text.size());
        shown.text += SymbolFont::mapText(QString(c), requested);
    }
    return shown;
}

void addLine(QList<TextLine>& lines, const QFontMetrics& metrics, const QString& text, qsizetype start) {
    lines.append({text, start, metrics.horizontalAdvance(text)});
}

// Greedy breaking between words; a word wider than the box stays whole, as the platform does.
void wrapParagraph(QList<TextLine>& lines, const QFontMetrics& metrics, const QString& shown, qsizetype begin,
                   qsizetype end, int maxWidth) {
    qsizetype lineStart = begin;
    qsizetype lineEnd = begin; // end of the last word that fits
    qsizetype pos = begin;
    while (pos < end) {
        qsizetype wordEnd = pos;
        while (wordEnd < end && shown.at(wordEnd) == u' ')
            ++wordEnd;
        while (wordEnd < end && shown.at(wordEnd) != u' ')
            ++wordEnd;
        const QString candidate = shown.mid(lineStart, wordEnd - lineStart);
        if (lineEnd > lineStart && metrics.horizontalAdvance(candidate) > maxWidth) {
            addLine(lines, metrics, shown.mid(lineStart, lineEnd - lineStart), lineStart);
            lineStart = lineEnd;
            while (lineStart < end && shown.at(lineStart) == u' ')
                ++lineStart;
        }
        lineEnd = wordEnd;
        pos = wordEnd;
    }
    addLine(lines, metrics, shown.mid(lineStart, end - lineStart), lineStart);
}

QList<TextLine> wrapLines(const QFontMetrics& metrics, const QString& shown, int maxWidth) {
    QList<TextLine> lines;
    if (shown.isEmpty())
        return lines;
    qsizetype begin = 0;
    while (begin <= shown.size()) {
        qsizetype end = begin;
        while (end < shown.size() && shown.at(end) != u'\r' && shown.at(end) != u'\n')
            ++end;
        wrapParagraph(lines, metrics, shown, begin, end, maxWidth);
        if (end < shown.size() && shown.at(end) == u'\r' && end + 1 < shown.size() &&
            shown.at(end + 1) == u'\n')
            ++end;
        begin = end + 1;
    }
    return lines;
}

} // namespace

void CaptionText::prepare(const QString& caption, const QFont& font, int width) {
    if (m_prepared && width == m_width && font == m_font && caption == m_caption)
        return;
    m_prepared = true;
    m_shaped = false;
    m_glyphRuns = false;
    m_caption = caption;
    m_font = font;
    m_width = width;
    m_drawFont = SymbolFont::resolve(font);
    const QFontMetrics metrics(m_drawFont);
    const ShownText shown = shownText(caption, font);
    m_lineHeight = metrics.height();
    m_ascent = metrics.ascent();
    m_widest = 0;
    m_lines.clear();
    for (const TextLine& wrapped : wrapLines(metrics, shown.text, width)) {
        Line line;
        line.text = wrapped.text;
        line.width = wrapped.width;
        m_widest = std::max(m_widest, wrapped.width);
        for (const qsizetype pos : shown.underlined) {
            if (pos < wrapped.start || pos >= wrapped.start + wrapped.text.size())
                continue;
            const qsizetype offset = pos - wrapped.start;
            line.underlines.append(QRect(
                metrics.horizontalAdvance(wrapped.text.left(offset)), metrics.underlinePos(),
                metrics.horizontalAdvance(wrapped.text.mid(offset, 1)), std::max(1, metrics.lineWidth())));
        }
        m_lines.append(line);
    }
}

void CaptionText::shape() {
    m_shaped = true;
    // Underline, overline and strike-out of the font are drawn by the text drawing itself, whose lines
    // span the shaped text exactly; such captions keep being drawn as text.
    if (m_drawFont.underline() || m_drawFont.overline() || m_drawFont.strikeOut())
        return;
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTextDirection(QGuiApplication::layoutDirection());
    for (Line& line : m_lines) {
        QTextLayout layout(line.text, m_drawFont);
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine laid = layout.createLine();
        laid.setNumColumns(int(line.text.size()));
        layout.endLayout();
        line.ascent = laid.ascent();
        line.runs = laid.glyphRuns();
    }
    m_glyphRuns = true;
}

void CaptionText::draw(QPainter& painter, const TextBox& box, const QColor& color) {
    if (!m_shaped)
        shape();
    int baseline = box.top + (box.height() - height()) / 2 + m_ascent;
    painter.setPen(color);
    if (!m_glyphRuns)
        painter.setFont(m_drawFont);
    for (const Line& line : m_lines) {
        const int x = box.left + (box.width() - line.width) / 2;
        if (m_glyphRuns) {
            const QPointF top(x, baseline - line.ascent);
            for (const QGlyphRun& run : line.runs)
                painter.drawGlyphRun(top, run);
        } else {
            painter.drawText(QPoint(x, baseline), line.text);
        }
        for (const QRect& underline : line.underlines)
            painter.fillRect(underline.translated(x, baseline), color);
        baseline += m_lineHeight;
    }
}

} // namespace brizel
