// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing window's keyboard shortcuts, for the grown-ups beside the child: each key runs its button's
// command, in any window of the program, while no dialog waits for an answer.
#include "draw/frmDraw.h"

#include "controls/CommandKey.h"

QKeySequence frmDraw::shortcutOf(Command command) {
    return commands()[static_cast<size_t>(command)].shortcut();
}

void frmDraw::createShortcuts() {
    CommandKey::addAll(
        this, commands(), [this](Command command) { return buttonWidget(command); },
        [this](Command command) { pressButton(command); });
}

// Only what a click could do: a disabled button (undo with nothing to undo) ignores its key. F1 opens the
// help pages straight away, as the help menu's first entry does, instead of the menu at the pointer.
void frmDraw::pressButton(Command command) {
    if (!button(command).Enabled())
        return;
    if (command == Command::HelpMenu)
        mnuHilfe_Click();
    else
        bzlButton_Click(command);
}
