// SPDX-License-Identifier: GPL-3.0-or-later
#include "color/PaletteAccessible.h"

#include "color/PaletteCellAccessible.h"
#include "color/frmColor.h"
#include "core/Allgemein.h"

namespace {

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (className != QLatin1String("PictureBox") || !object || !object->isWidgetType())
        return nullptr;
    auto* window = qobject_cast<frmColor*>(static_cast<QWidget*>(object)->window());
    if (!window || window->paletteBox() != object)
        return nullptr;
    return new PaletteAccessible(window);
}

PaletteAccessible* paletteOf(frmColor* window) {
    if (!QAccessible::isActive())
        return nullptr;
    return dynamic_cast<PaletteAccessible*>(QAccessible::queryAccessibleInterface(window->paletteBox()));
}

} // namespace

PaletteAccessible::PaletteAccessible(frmColor* window)
    : QAccessibleWidget(window->paletteBox(), QAccessible::List), m_window(window) {}

PaletteAccessible::~PaletteAccessible() {
    for (QAccessible::Id id : m_cells)
        if (id != 0)
            QAccessible::deleteAccessibleInterface(id);
}

void PaletteAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

QString PaletteAccessible::colorName(uint32_t rgb) {
    const int red = static_cast<int>(rgb & 0xFF);
    const int green = static_cast<int>((rgb >> 8) & 0xFF);
    const int blue = static_cast<int>((rgb >> 16) & 0xFF);
    if (red == 255 && green == 255 && blue == 255)
        return Allgemein::GetLang(Text::ColorWhite);
    if (red == 0 && green == 0 && blue == 0)
        return Allgemein::GetLang(Text::ColorBlack);
    return Allgemein::GetLang(Text::ColorValues)
        .arg(QString::number(red), QString::number(green), QString::number(blue));
}

void PaletteAccessible::cellMarked(frmColor* window, QPoint at) {
    if (PaletteAccessible* palette = paletteOf(window); palette && window->paletteBox()->hasFocus()) {
        QAccessibleEvent event(palette->cell(at), QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

void PaletteAccessible::cellPicked(frmColor* window, QPoint at) {
    if (PaletteAccessible* palette = paletteOf(window)) {
        QAccessibleEvent event(palette->cell(at), QAccessible::Selection);
        QAccessible::updateAccessibility(&event);
    }
}

QAccessible::State PaletteAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.focusable = true;
    return s;
}

int PaletteAccessible::childCount() const {
    return m_window->paletteGrid().columns() * m_window->paletteGrid().rows();
}

// Row by row, as the palette is read.
QAccessibleInterface* PaletteAccessible::child(int index) const {
    const int columns = m_window->paletteGrid().columns();
    if (index < 0 || index >= childCount())
        return nullptr;
    return cell(QPoint(index % columns, index / columns));
}

QAccessibleInterface* PaletteAccessible::cell(QPoint at) const {
    const int index = at.y() * m_window->paletteGrid().columns() + at.x();
    m_cells.resize(static_cast<size_t>(childCount()), 0);
    QAccessible::Id& id = m_cells.at(static_cast<size_t>(index));
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(
            new PaletteCellAccessible(const_cast<PaletteAccessible*>(this), at));
    return QAccessible::accessibleInterface(id);
}

int PaletteAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (size_t i = 0; i < m_cells.size(); ++i)
        if (m_cells[i] != 0 && QAccessible::accessibleInterface(m_cells[i]) == child)
            return static_cast<int>(i);
    return -1;
}

QAccessibleInterface* PaletteAccessible::childAt(int x, int y) const {
    for (int i = 0; i < childCount(); ++i)
        if (QAccessibleInterface* c = child(i); c && c->rect().contains(x, y))
            return c;
    return nullptr;
}

QAccessibleInterface* PaletteAccessible::focusChild() const {
    return m_window->paletteBox()->hasFocus() ? cell(m_window->markedCell()) : nullptr;
}
