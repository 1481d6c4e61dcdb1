#include "controls/RepeatedAnswerKeys.h"

#include <QDialog>
#include <QKeyEvent>

bool RepeatedAnswerKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!key->isAutoRepeat())
        return false;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Space:
        break;
    default:
        return false;
    }
    const auto* widget = qobject_cast<const QWidget*>(watched);
    return widget && qobject_cast<const QDialog*>(widget->window());
}
