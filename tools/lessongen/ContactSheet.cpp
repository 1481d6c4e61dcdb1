// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContactSheet.h"

#include "LessonPainter.h"

#include <QPainter>

namespace {
constexpr int ThumbWidth = 200;
constexpr int ThumbHeight = 150;
constexpr int CaptionHeight = 24;
constexpr int Gap = 8;
constexpr int Columns = 6;
const QColor SheetColour(250, 240, 214);
const QColor CaptionColour(92, 58, 34);
} // namespace

QImage ContactSheet::finishedFlowers(const QList<Lesson>& lessons) {
    const int rows = int((lessons.size() + Columns - 1) / Columns);
    const int cellHeight = ThumbHeight + CaptionHeight;
    QImage sheet(Gap + Columns * (ThumbWidth + Gap), Gap + rows * (cellHeight + Gap), QImage::Format_RGB32);
    sheet.fill(SheetColour);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 0; i < lessons.size(); ++i) {
        const int x = Gap + (i % Columns) * (ThumbWidth + Gap);
        const int y = Gap + (i / Columns) * (cellHeight + Gap);
        const QImage finished = LessonPainter::paintStep(lessons[i], LessonPainter::Steps);
        painter.drawImage(QRect(x, y, ThumbWidth, ThumbHeight), finished);
        drawCaption(painter, QRect(x, y + ThumbHeight, ThumbWidth, CaptionHeight),
                    QStringLiteral("%1  %2").arg(i + 1).arg(lessons[i].name));
    }
    return sheet;
}

QImage ContactSheet::steps(const QList<Lesson>& lessons, const QList<int>& numbers) {
    const int rowHeight = ThumbHeight + CaptionHeight;
    QImage sheet(Gap + LessonPainter::Steps * (ThumbWidth + Gap),
                 Gap + int(numbers.size()) * (rowHeight + Gap), QImage::Format_RGB32);
    sheet.fill(SheetColour);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int row = 0; row < numbers.size(); ++row) {
        const Lesson& lesson = lessons[numbers[row] - 1];
        const int y = Gap + row * (rowHeight + Gap);
        for (int step = 1; step <= LessonPainter::Steps; ++step) {
            const int x = Gap + (step - 1) * (ThumbWidth + Gap);
            painter.drawImage(QRect(x, y, ThumbWidth, ThumbHeight), LessonPainter::paintStep(lesson, step));
            drawCaption(painter, QRect(x, y + ThumbHeight, ThumbWidth, CaptionHeight),
                        QStringLiteral("%1 %2 · step %3").arg(numbers[row]).arg(lesson.name).arg(step));
        }
    }
    return sheet;
}

void ContactSheet::drawCaption(QPainter& painter, const QRect& box, const QString& text) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(CaptionColour);
    painter.drawText(box, Qt::AlignCenter, text);
}
