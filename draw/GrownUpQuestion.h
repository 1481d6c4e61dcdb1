// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// A sum only a grown-up answers at once ("7 + 5 = ?"), asked in the program's language before a kiosk
// session may end.
namespace GrownUpQuestion {
// True when the answer is right; a wrong answer or Cancel is false.
bool ask(QWidget* owner);
} // namespace GrownUpQuestion
