#include "controls/InputBox.h"

#include <QInputDialog>

namespace {
std::function<QString(const QString&, const QString&)>& responder() {
    static std::function<QString(const QString&, const QString&)> replacement;
    return replacement;
}
} // namespace

QString InputBox::ask(QWidget* owner, const QString& prompt, const QString& title,
                      const QString& defaultAnswer) {
    if (responder())
        return responder()(prompt, title);
    bool accepted = false;
    const QString answer =
        QInputDialog::getText(owner, title, prompt, QLineEdit::Normal, defaultAnswer, &accepted);
    return accepted ? answer : QString();
}

void InputBox::setResponder(std::function<QString(const QString&, const QString&)> replacement) {
    responder() = std::move(replacement);
}
