// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HostContainer.h"

#include <QWidget>
#include <memory>
#include <vector>

namespace brizel {
class BrizelFactory;
}

// A window with a row of buttons of every style, a row of symbol buttons like the program's panels and
// a row of disabled buttons; it opens the library's about window.
class DemoWindow : public QWidget {
public:
    explicit DemoWindow(brizel::BrizelFactory& factory);

    void showAbout();

private:
    QWidget* addButton(brizel::BrizelFactory& factory, const QString& properties, QRect geometry);

    HostContainer m_container;
    QWidget* m_first = nullptr;
};
