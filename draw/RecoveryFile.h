// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

// The drawing on the canvas, kept in the user's state folder while the program runs, so that a session
// ending by accident (a crash, a power cut, a killed process) does not take the drawing with it.
namespace RecoveryFile {
// "drawing.bmp" in $XDG_STATE_HOME/Pinsola (by default ~/.local/state/Pinsola), on Windows in
// %LOCALAPPDATA%\Pinsola.
QString path();
// Writes the picture as a bitmap in one step, so the file holds either the old or the new picture, never
// part of one. Safe on any thread; false when the file cannot be written.
bool write(const QImage& picture);
// The kept picture, read and checked like a drawing from the gallery; raises the reader's errors.
QImage read();
void remove();
} // namespace RecoveryFile
