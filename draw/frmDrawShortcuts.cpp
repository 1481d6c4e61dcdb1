// The drawing window's keyboard shortcuts, for the grown-ups beside the child: each key runs its button's
// command, in any window of the program, while no dialog waits for an answer.
#include "draw/frmDraw.h"

#include <QShortcut>
#include <array>

namespace {

struct ButtonKey {
    int16_t button;
    QKeyCombination key;
};

constexpr std::array<ButtonKey, 7> ButtonKeys{{
    {0, Qt::CTRL | Qt::Key_N}, // new page
    {1, Qt::CTRL | Qt::Key_Z}, // undo
    {2, Qt::CTRL | Qt::Key_O}, // the saved drawings
    {3, Qt::CTRL | Qt::Key_S}, // save
    {5, Qt::CTRL | Qt::Key_P}, // print
    {frmDraw::HelpButton, QKeyCombination(Qt::Key_F1)},
    {9, Qt::CTRL | Qt::Key_Q}, // exit, with its question
}};

} // namespace

QKeySequence frmDraw::shortcutOf(int16_t index) {
    for (const ButtonKey& entry : ButtonKeys)
        if (entry.button == index)
            return QKeySequence(entry.key);
    return {};
}

void frmDraw::createShortcuts() {
    for (const ButtonKey& entry : ButtonKeys) {
        auto* shortcut = new QShortcut(QKeySequence(entry.key), this);
        shortcut->setContext(Qt::ApplicationShortcut);
        shortcut->setAutoRepeat(false);
        connect(shortcut, &QShortcut::activated, this,
                [this, button = entry.button] { pressButton(button); });
    }
}

// Only what a click could do: a disabled button (undo with nothing to undo) ignores its key. F1 opens the
// help pages straight away, as the help menu's first entry does, instead of the menu at the pointer.
void frmDraw::pressButton(int16_t index) {
    if (!bzlButton[index].Enabled())
        return;
    if (index == HelpButton)
        mnuHilfe_Click();
    else
        bzlButton_Click(index);
}
