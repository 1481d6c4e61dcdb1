// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/InputBox.h"

#include <QInputDialog>

QString InputBox::ask(QWidget* owner, const QString& prompt, const QString& title,
                      const QString& defaultAnswer) {
    if (const auto& answer = answerSeam.standIn())
        return answer(prompt, title);
    bool accepted = false;
    const QString answer =
        QInputDialog::getText(owner, title, prompt, QLineEdit::Normal, defaultAnswer, &accepted);
    return accepted ? answer : QString();
}
