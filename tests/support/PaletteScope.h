// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>

// Sets system colours for one test through the application palette and restores the palette after it.
class PaletteScope {
public:
    PaletteScope();
    ~PaletteScope();
    PaletteScope(const PaletteScope&) = delete;
    PaletteScope& operator=(const PaletteScope&) = delete;

    void set(int index, const QColor& color);
    // Gives every system colour index `i` the colour (i, 2i, 3i), later indices winning where they share
    // a palette role, so a pixel tells which colour painted it.
    void distinct();

private:
    QPalette m_saved;
    QPalette m_palette;
};
