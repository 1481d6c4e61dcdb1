// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Calls a function once, after a window has painted itself for the first time and its picture has gone
// to the screen. Owned by the window: a window closed before it ever painted never calls it.
class FirstPaint : public QObject {
    Q_OBJECT

public:
    static void then(QWidget* window, std::function<void()> next);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FirstPaint(QWidget* window, std::function<void()> next);

    std::function<void()> m_next;
};
