// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <brizel/BrizelContainer.h>
#include <brizel/BrizelEvents.h>

#include <QObject>
#include <QWidget>
#include <functional>

// What a window offers one of its buttons: the ambient properties of its place (font, the parent's
// colours, whether it is the default button) and the receiver of its events. Owned by the button's
// widget, so it lives exactly as long as the button does.
class ButtonSite : public QObject, public brizel::BrizelContainer, public brizel::BrizelEvents {
    Q_OBJECT

public:
    ButtonSite(QWidget* button, bool isDefault, std::function<void()> onClick);

    QFont Font() const override;
    bool DisplayAsDefault() const override { return m_isDefault; }
    uint32_t ParentBackColor() const override;
    uint32_t ParentForeColor() const override;

    void Click() override;

private:
    QWidget* m_button;
    bool m_isDefault;
    std::function<void()> m_onClick;
};
