// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <brizel/BrizelContainer.h>
#include <brizel/BrizelTypes.h>

#include <QPalette>
#include <QWidget>

// The hosting side for rendered and demonstrated buttons: run mode, the window's palette as parent colours.
class HostContainer : public brizel::BrizelContainer {
public:
    explicit HostContainer(QWidget& host, bool isDefault = false) : m_host(host), m_isDefault(isDefault) {}

    QString DisplayName() const override { return QStringLiteral("Brizel1"); }
    QFont Font() const override { return m_host.font(); }
    bool DisplayAsDefault() const override { return m_isDefault; }
    uint32_t ParentBackColor() const override { return plain(m_host.palette().color(QPalette::Window)); }
    uint32_t ParentForeColor() const override { return plain(m_host.palette().color(QPalette::WindowText)); }

private:
    static uint32_t plain(const QColor& color) {
        return brizel::rgb(color.red(), color.green(), color.blue());
    }

    QWidget& m_host;
    bool m_isDefault;
};
