// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The colour cells of the palette picture: equal cells in columns and rows, a cell named by its column and
// row.
class PaletteGrid {
public:
    PaletteGrid() = default;
    // A grid without columns or rows is one cell.
    PaletteGrid(QSize picture, int columns, int rows);

    // The cell's pixels in the picture.
    QRect cellRect(QPoint cell) const;
    // The cell that holds this pixel of the picture.
    QPoint cellAt(QPoint pixel) const;
    // The cell an arrow key leads to; at an edge it stays.
    QPoint moved(QPoint cell, int key) const;

    int columns() const { return m_columns; }
    int rows() const { return m_rows; }

private:
    QSize m_cell{1, 1};
    int m_columns = 1;
    int m_rows = 1;
};
