// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing window's keyboard shortcuts, for the grown-ups beside the child: each key runs its button's
// command, in any window of the program, while no dialog waits for an answer.
#include "draw/frmDraw.h"

#include <QShortcut>
#include <array>
#include <brizel/AccessibleHints.h>

namespace {

using Command = frmDraw::Command;

struct CommandKey {
    Command command;
    QKeyCombination key;
};

constexpr std::array<CommandKey, 7> CommandKeys{{
    {Command::NewPage, Qt::CTRL | Qt::Key_N},
    {Command::Undo, Qt::CTRL | Qt::Key_Z},
    {Command::Gallery, Qt::CTRL | Qt::Key_O},
    {Command::Save, Qt::CTRL | Qt::Key_S},
    {Command::Print, Qt::CTRL | Qt::Key_P},
    {Command::HelpMenu, QKeyCombination(Qt::Key_F1)},
    // With its question.
    {Command::Exit, Qt::CTRL | Qt::Key_Q},
}};

} // namespace

QKeySequence frmDraw::shortcutOf(Command command) {
    for (const CommandKey& entry : CommandKeys)
        if (entry.command == command)
            return QKeySequence(entry.key);
    return {};
}

// A screen reader names each key as its button's key binding.
void frmDraw::createShortcuts() {
    for (const CommandKey& entry : CommandKeys) {
        buttonWidget(entry.command)->setProperty(brizel::AccessibleHints::Shortcut, QKeySequence(entry.key));
        auto* shortcut = new QShortcut(QKeySequence(entry.key), this);
        shortcut->setContext(Qt::ApplicationShortcut);
        shortcut->setAutoRepeat(false);
        connect(shortcut, &QShortcut::activated, this,
                [this, command = entry.command] { pressButton(command); });
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
