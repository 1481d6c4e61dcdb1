#include "platform/OwnedWindow.h"

#include <QWidget>

void OwnedWindow::show(QWidget* window, QWidget* owner) {
    if (window->parentWidget() != owner) {
        const QPoint place = window->pos();
        window->setParent(owner, window->windowFlags());
        window->move(place);
    }
    window->show();
}
