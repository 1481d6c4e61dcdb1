// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QSize>
#include <QWidget>

// The grid over the preview (imgGitter): transparent but for lines of the given colour and width every
// `spacing` pixels of the preview's design size, scaled to the overlay's size. The pointer passes through
// it to the preview below.
class GridOverlay : public QWidget {
    Q_OBJECT

public:
    GridOverlay(QWidget* parent, QSize designSize, QColor color, int spacing, int lineWidth);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize m_designSize;
    QColor m_color;
    int m_spacing;
    int m_lineWidth;
};
