#include "controls/MsgBox.h"

#include <QMessageBox>

namespace {
std::function<int(const QString&, const QString&)>& responder() {
    static std::function<int(const QString&, const QString&)> replacement;
    return replacement;
}
} // namespace

int MsgBox::show(QWidget* owner, const QString& text, Buttons buttons, const QString& title, Icon icon,
                 Default defaultButton) {
    if (responder())
        return responder()(text, title);
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

void MsgBox::setResponder(std::function<int(const QString&, const QString&)> replacement) {
    responder() = std::move(replacement);
}
