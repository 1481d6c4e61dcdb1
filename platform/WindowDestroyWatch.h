// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

class QWidget;

// Tells when another program destroys a window of ours on the display (a desktop tool's "close" that
// destroys instead of asking, `xdotool windowclose`): the window is gone although the program still
// holds it.
class WindowDestroyWatch : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    explicit WindowDestroyWatch(QWidget* window);
    ~WindowDestroyWatch() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

signals:
    void windowDestroyed();

private:
    QWidget* m_window;
};
