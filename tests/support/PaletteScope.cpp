// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/PaletteScope.h"

#include "base/SystemColorTable.h"

#include <QGuiApplication>

PaletteScope::PaletteScope() : m_saved(QGuiApplication::palette()), m_palette(m_saved) {}

PaletteScope::~PaletteScope() {
    QGuiApplication::setPalette(m_saved);
}

void PaletteScope::set(int index, const QColor& color) {
    SystemColorTable::setColor(m_palette, index, color);
    QGuiApplication::setPalette(m_palette);
}

void PaletteScope::distinct() {
    for (int i = 0; i < SystemColorTable::Count; ++i)
        SystemColorTable::setColor(m_palette, i, QColor(i, 2 * i, 3 * i));
    QGuiApplication::setPalette(m_palette);
}
