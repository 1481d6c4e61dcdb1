// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/MsgBox.h"

#include <QMessageBox>

int MsgBox::show(QWidget* owner, const QString& text, Buttons buttons, const QString& title, Icon icon,
                 Default defaultButton) {
    if (const auto& answer = answerSeam.standIn())
        return answer(text, title);
    const bool yesNo = buttons == Buttons::YesNo;
    QMessageBox box(icon == Icon::Question ? QMessageBox::Question : QMessageBox::NoIcon, title, text,
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, owner);
    if (yesNo)
        box.setDefaultButton(defaultButton == Default::Second ? QMessageBox::No : QMessageBox::Yes);
    const int clicked = box.exec();
    if (clicked == QMessageBox::Yes)
        return AnswerYes;
    if (clicked == QMessageBox::No)
        return AnswerNo;
    return AnswerOk;
}
