// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing window's keyboard shortcuts, for the grown-ups beside the child: each key runs its button's
// command, in any window of the program, while no dialog waits for an answer.
#include "draw/frmDraw.h"

#include <QShortcut>
#include <brizel/AccessibleHints.h>

QKeySequence frmDraw::shortcutOf(Command command) {
    return commands()[static_cast<size_t>(command)].shortcut();
}

// A screen reader names each key as its button's key binding.
void frmDraw::createShortcuts() {
    for (const auto& line : commands()) {
        const QKeySequence key = line.shortcut();
        if (key.isEmpty())
            continue;
        buttonWidget(line.command)->setProperty(brizel::AccessibleHints::Shortcut, key);
        auto* shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::ApplicationShortcut);
        shortcut->setAutoRepeat(false);
        connect(shortcut, &QShortcut::activated, this,
                [this, command = line.command] { pressButton(command); });
    }
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
