// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>
#include <QPoint>
#include <cstdint>
#include <vector>

class frmColor;

// What a screen reader sees of the colour window's palette: a list of its colours, one cell each, read
// out by name. A cell is selected while it holds the pen colour and focused while the keys' mark is on
// it; its press picks its colour, its focus moves the mark there.
class PaletteAccessible : public QAccessibleWidget {
public:
    explicit PaletteAccessible(frmColor* window);
    ~PaletteAccessible() override;

    // Installs the interface for the colour window's palette, once.
    static void install();
    // A colour as a person says it: its name where it has one, else its red, green and blue.
    static QString colorName(uint32_t rgb);
    // Tells screen readers that the mark moved to cell `at`, or that `at` was picked.
    static void cellMarked(frmColor* window, QPoint at);
    static void cellPicked(frmColor* window, QPoint at);

    frmColor* colorWindow() const { return m_window; }
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    QAccessibleInterface* cell(QPoint at) const;

    frmColor* m_window;
    // Made as they are asked for and kept, so a screen reader finds the same cell again.
    mutable std::vector<QAccessible::Id> m_cells;
};
