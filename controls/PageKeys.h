// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QEvent;

// Page Up and Page Down step through the lesson from any window of the program; a control that pages
// through its own values with them (a slider, a list) keeps them while it has the keyboard.
namespace PageKeys {
// Accepts a shortcut override for a bare Page Up or Page Down, so the key goes to the focused control;
// true when it did.
bool claim(QEvent* event);
} // namespace PageKeys
