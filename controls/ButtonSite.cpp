// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ButtonSite.h"

#include <brizel/BrizelTypes.h>

#include <QPalette>
#include <utility>

namespace {
uint32_t plainRgb(const QColor& color) {
    return brizel::rgb(color.red(), color.green(), color.blue());
}
} // namespace

ButtonSite::ButtonSite(QWidget* button, bool isDefault, std::function<void()> onClick)
    : QObject(button), m_button(button), m_isDefault(isDefault), m_onClick(std::move(onClick)) {}

QFont ButtonSite::Font() const {
    const QWidget* parent = m_button->parentWidget();
    return parent ? parent->font() : m_button->font();
}

uint32_t ButtonSite::ParentBackColor() const {
    const QWidget* parent = m_button->parentWidget();
    return plainRgb((parent ? parent : m_button)->palette().color(QPalette::Window));
}

uint32_t ButtonSite::ParentForeColor() const {
    const QWidget* parent = m_button->parentWidget();
    return plainRgb((parent ? parent : m_button)->palette().color(QPalette::WindowText));
}

void ButtonSite::Click() {
    if (m_onClick)
        m_onClick();
}
