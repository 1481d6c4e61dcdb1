#include "platform/MsgBox.h"

#include <QMessageBox>

namespace {
std::function<int(const QString&, const QString&)>& responder() {
    static std::function<int(const QString&, const QString&)> replacement;
    return replacement;
}
} // namespace

int MsgBox::show(QWidget* owner, const QString& text, Buttons buttons, const QString& title) {
    if (responder())
        return responder()(text, title);
    QMessageBox box(QMessageBox::NoIcon, title, text,
                    buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, owner);
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
