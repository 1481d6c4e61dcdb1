// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <functional>

class QWidget;

// The keyboard shortcut of a command button, for the grown-ups beside the child: the key runs `press` in
// any window of the program while no dialog waits for an answer, once however long it is held, and a
// screen reader names it as the button's key binding. Nothing for an empty key.
namespace CommandKey {
void add(QWidget* window, QWidget* button, const QKeySequence& key, std::function<void()> press);

// One key for each line of a window's command table that has one; `press` gets the line's command.
template <typename Table, typename ButtonOf, typename Press>
void addAll(QWidget* window, const Table& table, ButtonOf buttonOf, Press press) {
    for (const auto& line : table)
        add(window, buttonOf(line.command), line.shortcut(),
            [press, command = line.command] { press(command); });
}
} // namespace CommandKey
