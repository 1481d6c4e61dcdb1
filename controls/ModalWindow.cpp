// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ModalWindow.h"

#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>

namespace {
// Ends the wait when the window is hidden by its closing.
class HideWatch : public QObject {
public:
    explicit HideWatch(QEventLoop& loop) : m_loop(loop) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide)
            m_loop.quit();
        return false;
    }

private:
    QEventLoop& m_loop;
};
} // namespace

void ModalWindow::exec(QWidget* window) {
    QEventLoop loop;
    HideWatch watch(loop);
    QPointer<QWidget> guard(window);
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window->installEventFilter(&watch);
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    if (window->isVisible())
        loop.exec();
    if (guard) {
        guard->removeEventFilter(&watch);
        guard->setWindowModality(Qt::NonModal);
    }
}
