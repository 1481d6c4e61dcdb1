#pragma once

#include <QObject>

// A key held down, or one the display server goes on repeating (as after a key sent straight to a
// window), must not answer one question after another: its repeated presses of the keys that answer a
// dialog (Return, Enter, Escape, Space) never reach a dialog. Installed on the application.
class RepeatedAnswerKeys : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
