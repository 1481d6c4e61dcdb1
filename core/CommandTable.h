// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Text.h"

#include <QKeyCombination>
#include <QKeySequence>
#include <QString>
#include <QWidget>
#include <array>
#include <cstddef>
#include <optional>

class ErrorTrap;

// One command button of a window: the command (its button's index), what it runs, its tooltip's text and
// its key. A window's table of these makes its dispatch, its tooltips, its shortcuts and the key bindings
// a screen reader names.
template <typename Window, typename Command> struct CommandEntry {
    Command command;
    void (Window::*run)(ErrorTrap&);
    // None: the button says "OK" in every language.
    std::optional<Text> tip;
    QKeyCombination key = QKeyCombination(Qt::Key_unknown);

    QKeySequence shortcut() const {
        return key.key() == Qt::Key_unknown ? QKeySequence() : QKeySequence(key);
    }
};

// Every one of `buttons` buttons has its line, at its index.
template <typename Line, std::size_t N>
constexpr bool coversEveryButton(const std::array<Line, N>& table, std::size_t buttons) {
    if (N != buttons)
        return false;
    for (std::size_t i = 0; i < N; ++i)
        if (static_cast<std::size_t>(table[i].command) != i)
            return false;
    return true;
}

// A button's tooltip with the keyboard shortcut that does the same, in the keyboard's words of the
// language; a screen reader keeps calling the button by its text alone.
inline void labelCommandButton(QWidget* button, const QString& text, const QKeySequence& key) {
    if (text.isEmpty() || key.isEmpty()) {
        button->setToolTip(text);
        return;
    }
    button->setAccessibleName(text);
    button->setToolTip(text + QStringLiteral(" (") + key.toString(QKeySequence::NativeText) +
                       QLatin1Char(')'));
}
