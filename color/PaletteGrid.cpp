// SPDX-License-Identifier: GPL-3.0-or-later
#include "color/PaletteGrid.h"

#include <Qt>
#include <algorithm>

PaletteGrid::PaletteGrid(QSize picture, int columns, int rows)
    : m_columns(std::max(columns, 1)), m_rows(std::max(rows, 1)) {
    m_cell = QSize(std::max(picture.width() / m_columns, 1), std::max(picture.height() / m_rows, 1));
}

QRect PaletteGrid::cellRect(QPoint cell) const {
    return {QPoint(cell.x() * m_cell.width(), cell.y() * m_cell.height()), m_cell};
}

QPoint PaletteGrid::cellAt(QPoint pixel) const {
    return {std::clamp(pixel.x() / m_cell.width(), 0, m_columns - 1),
            std::clamp(pixel.y() / m_cell.height(), 0, m_rows - 1)};
}

QPoint PaletteGrid::moved(QPoint cell, int key) const {
    switch (key) {
    case Qt::Key_Left:
        return {std::max(cell.x() - 1, 0), cell.y()};
    case Qt::Key_Right:
        return {std::min(cell.x() + 1, m_columns - 1), cell.y()};
    case Qt::Key_Up:
        return {cell.x(), std::max(cell.y() - 1, 0)};
    case Qt::Key_Down:
        return {cell.x(), std::min(cell.y() + 1, m_rows - 1)};
    default:
        return cell;
    }
}
