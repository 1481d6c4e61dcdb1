// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// The program's help: Pinsola.chm where the system can show it, otherwise the HTML pages of the language in
// use, so that help opens on systems without a CHM viewer too.
namespace HelpFile {
// Pinsola.chm in the program folder.
QString chmPath();
// help/<language>/index.html in the program folder; an index without a language of its own gives German.
QString startPage(int16_t langIndex);
// Starts finding out, in the background and once, whether an application is registered for CHM files:
// always on Windows, elsewhere as xdg-mime answers.
void askForChmViewer();
// That answer; no value while it is not in.
std::optional<bool> chmViewer();
// What the help command hands the shell: the CHM's path when it can be shown, else the start page as a
// file:// URL.
QString target(int16_t langIndex, bool chmShowable);
// Opens the help through the shell at once: the CHM when a viewer is known by now, else the start page.
// Raises error 53 when the start page is missing and the shell's error when nothing opens the help.
void open(int16_t langIndex);
} // namespace HelpFile
