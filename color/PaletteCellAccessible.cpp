// SPDX-License-Identifier: GPL-3.0-or-later
#include "color/PaletteCellAccessible.h"

#include "color/PaletteAccessible.h"
#include "color/frmColor.h"
#include "core/Allgemein.h"

#include <QWidget>

PaletteCellAccessible::PaletteCellAccessible(PaletteAccessible* palette, QPoint cell)
    : m_palette(palette), m_cell(cell) {}

bool PaletteCellAccessible::isValid() const {
    return m_palette->isValid();
}

QWindow* PaletteCellAccessible::window() const {
    return m_palette->colorWindow()->windowHandle();
}

QAccessibleInterface* PaletteCellAccessible::parent() const {
    return m_palette;
}

QString PaletteCellAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Name)
        return {};
    return PaletteAccessible::colorName(m_palette->colorWindow()->paletteColor(m_cell));
}

QRect PaletteCellAccessible::rect() const {
    const QWidget* box = m_palette->colorWindow()->paletteBox();
    const QRect local = m_palette->colorWindow()->paletteCellRect(m_cell);
    return {box->mapToGlobal(local.topLeft()), local.size()};
}

// Selected while it holds the pen colour; several cells of one colour are all selected.
QAccessible::State PaletteCellAccessible::state() const {
    const frmColor* window = m_palette->colorWindow();
    QAccessible::State s;
    s.selectable = true;
    s.focusable = true;
    s.selected = window->paletteColor(m_cell) == static_cast<uint32_t>(Allgemein::PenColor);
    s.focused = window->paletteBox()->hasFocus() && window->markedCell() == m_cell;
    s.invisible = !window->paletteBox()->isVisible();
    return s;
}

void* PaletteCellAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

QStringList PaletteCellAccessible::actionNames() const {
    return {pressAction(), setFocusAction()};
}

// The colour is picked once the screen reader's call has been answered, as the buttons' presses are.
void PaletteCellAccessible::doAction(const QString& actionName) {
    frmColor* window = m_palette->colorWindow();
    if (actionName == pressAction())
        QMetaObject::invokeMethod(
            window, [window, cell = m_cell] { window->pickCell(cell); }, Qt::QueuedConnection);
    else if (actionName == setFocusAction())
        window->markCell(m_cell);
}
