// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>

// A key held down, or one the display server goes on repeating (as after a key sent straight to a
// window), must not answer one question after another: its repeated presses of the keys that answer a
// dialog (Return, Enter, Escape, Space) never reach a dialog. A repeat is a press marked as one, or a
// press at the very time of the same key's release (the server repeats a key as such pairs, and Qt marks
// them only when the press has already come in). Installed on the application.
class RepeatedAnswerKeys : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHash<int, quint64> m_releasedAt;
};
