// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QPoint>

class PaletteAccessible;

// One colour of the palette for a screen reader (PaletteAccessible).
class PaletteCellAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    PaletteCellAccessible(PaletteAccessible* palette, QPoint cell);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    PaletteAccessible* m_palette;
    QPoint m_cell;
};
