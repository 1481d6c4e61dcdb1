#pragma once

#include <QString>
#include <functional>

class QWidget;

// Message boxes of the program: application title, no icon, modal.
namespace MsgBox {
enum class Buttons { Ok, YesNo };
enum Answer { AnswerOk = 1, AnswerYes = 6, AnswerNo = 7 };

inline constexpr const char* ApplicationTitle = "Pinsola";

int show(QWidget* owner, const QString& text, Buttons buttons, const QString& title = ApplicationTitle);

// Tests answer instead of the user (the text and title are handed over); an empty function
// restores the real message box.
void setResponder(std::function<int(const QString& text, const QString& title)> responder);
} // namespace MsgBox
