// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Seam.h"

#include <QString>
#include <functional>

class QWidget;

// Message boxes of the program: application title, modal; a question may show its icon and make its
// second button the default.
namespace MsgBox {
enum class Buttons { Ok, YesNo };
enum class Icon { None, Question };
enum class Default { First, Second };
enum Answer { AnswerOk = 1, AnswerYes = 6, AnswerNo = 7 };

inline constexpr const char* ApplicationTitle = "Pinsola";

int show(QWidget* owner, const QString& text, Buttons buttons, const QString& title = ApplicationTitle,
         Icon icon = Icon::None, Default defaultButton = Default::First);

// Tests answer instead of the user (the text and title are handed over).
inline Seam<std::function<int(const QString& text, const QString& title)>> answerSeam;
} // namespace MsgBox
