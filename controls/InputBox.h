// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Seam.h"

#include <QString>
#include <functional>

class QWidget;

// The one-line input dialog: a prompt, a title and a default answer. Cancel answers the empty text.
namespace InputBox {
QString ask(QWidget* owner, const QString& prompt, const QString& title, const QString& defaultAnswer = {});

// Tests answer instead of the user (prompt and title are handed over).
inline Seam<std::function<QString(const QString& prompt, const QString& title)>> answerSeam;
} // namespace InputBox
