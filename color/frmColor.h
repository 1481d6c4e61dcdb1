// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color/PaletteGrid.h"
#include "color/kmoSlider.h"
#include "color/kmoSliderContainer.h"
#include "controls/ButtonArray.h"
#include "controls/PictureBox.h"
#include "controls/StoredForm.h"
#include "controls/WindowDrag.h"
#include "core/ProgramWindow.h"

#include <QImage>
#include <QPixmap>
#include <QPointF>
#include <QWidget>
#include <cstdint>

class ErrorTrap;
class QLabel;

// The colour and pen-width window beside the drawing window: the child picks the pen colour in the
// palette and the pen width with the slider; both reach the program-wide pen and the canvas at once. It
// is moved by dragging its surface or the palette, remembers its place when it unloads, and its close
// button only hides it. The slider's errors go through it to the error window.
class frmColor : public ProgramWindow, public kmoSliderContainer {
    Q_OBJECT
    friend class ProgramWindow;

public:
    // The program-wide instance, loaded (not shown) on first use; loading runs Form_Load.
    static frmColor* instance();
    // The stored design of the window.
    static const StoredForm& design();
    // The position (twips) the window takes without a stored one: 80 % of the free width of the screen
    // across, half its own height down.
    static QPoint defaultPosition(QSize screenTwips, QSize windowTwips);

    void Form_Load();
    void Form_Resize();
    void Form_Unload();
    void Form_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void picCol_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    // A key on the palette: the arrow keys move the focus mark from colour to colour, Space and Enter take
    // the marked colour as a click would.
    void picCol_KeyDown(int key);
    void kmoSlider_ValueChanged();
    void bzlButton_Click(int16_t Index);

    // The palette box and its cells, for a screen reader: their grid, a cell's colour (plain RGB) and
    // place in the box, the cell the keys' mark is on; picking a cell is Space on it, marking one moves the
    // mark there.
    QWidget* paletteBox() const { return picCol; }
    const PaletteGrid& paletteGrid() const { return m_grid; }
    uint32_t paletteColor(QPoint cell) const;
    QRect paletteCellRect(QPoint cell) const;
    QPoint markedCell() const { return m_markedCell; }
    void pickCell(QPoint cell);
    void markCell(QPoint cell);

    int16_t OnError(const QString& procedureName, const QString& moduleName) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    frmColor();
    void createControls();
    void createPalette(const StoredForm& form);
    void createSlider(const StoredForm& form);
    void createLabels(const StoredForm& form);
    void nameControls() override;
    void moveTo(int32_t left, int32_t top);
    QSize sizeInTwips() const;
    uint32_t swatchColor() const;
    void setSwatchColor(uint32_t rgb);
    bool takePaletteColor(ErrorTrap& trap, QPointF at);
    void showPaletteMark();

    PictureBox* picCol = nullptr;
    ::kmoSlider* kmoSlider = nullptr;
    QLabel* lblWidth = nullptr;
    QLabel* lblFCol = nullptr;
    ButtonArray bzlButton;

    QImage m_palette;
    // The palette box as painted, without the focus mark.
    QPixmap m_paletteFace;
    PaletteGrid m_grid;
    // The cell the keys start from: the last one picked or marked.
    QPoint m_markedCell;
    // Where the palette picture lies inside picCol, inside its border.
    QPoint m_paletteOrigin;
    QPixmap m_background;
    // lblFCol's back colour as it was set, a system colour included.
    uint32_t m_swatchColor = 0;
    // The pointer's global position at the press being handled.
    QPointF m_pointer;
    WindowDrag m_drag;
};
