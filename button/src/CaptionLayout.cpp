#include "CaptionLayout.h"

#include "SymbolFont.h"

#include <QFontMetrics>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
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

int widestLine(const QList<TextLine>& lines) {
    int widest = 0;
    for (const TextLine& line : lines)
        widest = std::max(widest, line.width);
    return widest;
}

TextBox startBox(const CaptionLayoutInput& in) {
    const int w = in.buttonWidth;
    const int h = in.buttonHeight;
    switch (in.picturePosition) {
    case cbLeft:
        return {in.pictureWidth + 1, 1, w - 2, h - 2};
    case cbRight:
        return {1, 1, w - in.pictureWidth - 2, h - 2};
    case cbTop:
        return {1, in.pictureHeight + 1, w - 2, h - 2};
    case cbBottom:
        return {1, 1, w - 2, h - in.pictureHeight - 2};
    default:
        return {1, 1, w - 2, h - 2};
    }
}

bool isBlank(const QString& caption) {
    return std::all_of(caption.begin(), caption.end(), [](QChar c) { return c == u' '; });
}

} // namespace

QSize MeasurePicture(const QImage& picture) {
    return picture.isNull() ? QSize() : picture.size();
}

QSize MeasurePicture(const QPixmap& picture) {
    return picture.isNull() ? QSize() : picture.size();
}

QSize MeasurePicture(const QIcon& picture) {
    if (picture.isNull())
        return {};
    const QList<QSize> sizes = picture.availableSizes();
    if (sizes.isEmpty())
        return {32, 32}; // a scalable icon takes the standard icon size
    return *std::max_element(sizes.begin(), sizes.end(), [](QSize a, QSize b) {
        return a.width() * a.height() < b.width() * b.height();
    });
}

TextBox MeasureCaption(const QString& caption, const QFont& font, const TextBox& box) {
    const QFontMetrics metrics(SymbolFont::resolve(font));
    const QList<TextLine> lines = wrapLines(metrics, shownText(caption, font).text, box.width());
    return {box.left, box.top, box.left + widestLine(lines),
            box.top + static_cast<int>(lines.size()) * metrics.height()};
}

void DrawCaptionText(QPainter& painter, const QString& caption, const QFont& font, const TextBox& box,
                     const QColor& color) {
    const QFont drawFont = SymbolFont::resolve(font);
    const QFontMetrics metrics(drawFont);
    const ShownText shown = shownText(caption, font);
    const QList<TextLine> lines = wrapLines(metrics, shown.text, box.width());
    const int lineHeight = metrics.height();
    int baseline =
        box.top + (box.height() - static_cast<int>(lines.size()) * lineHeight) / 2 + metrics.ascent();

    painter.save();
    painter.setFont(drawFont);
    painter.setPen(color);
    for (const TextLine& line : lines) {
        const int x = box.left + (box.width() - line.width) / 2;
        painter.drawText(QPoint(x, baseline), line.text);
        for (const qsizetype pos : shown.underlined) {
            if (pos < line.start || pos >= line.start + line.text.size())
                continue;
            const qsizetype offset = pos - line.start;
            const int left = x + metrics.horizontalAdvance(line.text.left(offset));
            const int width = metrics.horizontalAdvance(line.text.mid(offset, 1));
            painter.fillRect(left, baseline + metrics.underlinePos(), width, std::max(1, metrics.lineWidth()),
                             color);
        }
        baseline += lineHeight;
    }
    painter.restore();
}

void LayoutCaption(const CaptionLayoutInput& in, CaptionLayout& layout) {
    const TextBox measured = MeasureCaption(in.caption, in.font, startBox(in));
    layout.textWidth = measured.width();
    layout.textHeight = measured.height();

    const int w = in.buttonWidth;
    const int h = in.buttonHeight;
    int dx = (w - measured.right) / 2;
    int dy = (h - measured.bottom) / 2;
    if (in.picturePosition == cbRight)
        dx = (w - measured.right - in.pictureWidth - 4) / 2;
    else if (in.picturePosition == cbBottom)
        dy = (h - measured.bottom - in.pictureHeight - 4) / 2;
    layout.captionRect = measured.moved(dx, dy);
    layout.pressedCaptionRect = layout.captionRect.moved(1, 1);
    PlacePicture(in, layout);
}

void PlacePicture(const CaptionLayoutInput& in, CaptionLayout& layout) {
    if (!in.hasPicture)
        return;
    const int w = in.buttonWidth;
    const int h = in.buttonHeight;
    const int centredX = (w - in.pictureWidth) / 2;
    const int centredY = (h - in.pictureHeight) / 2;
    if (isBlank(in.caption) || in.picturePosition == cbBackground) {
        layout.pictureX = centredX;
        layout.pictureY = centredY;
        return;
    }
    switch (in.picturePosition) {
    case cbLeft:
        layout.pictureX = layout.captionRect.left - in.pictureWidth - 4;
        layout.pictureY = centredY;
        break;
    case cbRight:
        layout.pictureX = layout.captionRect.right + 4;
        layout.pictureY = centredY;
        break;
    case cbTop:
        layout.pictureX = centredX;
        layout.pictureY = layout.captionRect.top - in.pictureHeight - 2;
        break;
    case cbBottom:
        layout.pictureX = centredX;
        layout.pictureY = layout.captionRect.bottom + 2;
        break;
    default:
        break; // an unknown position keeps the picture where it was
    }
}

} // namespace brizel
