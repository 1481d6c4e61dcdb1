#pragma once

#include <QString>
#include <cstdint>

// The program's help: Pinsola.chm where the system can show it, otherwise the HTML pages of the language in
// use, so that help opens on systems without a CHM viewer too.
namespace HelpFile {
// Pinsola.chm in the program folder.
QString chmPath();
// help/<language>/index.html in the program folder; an index without a language of its own gives German.
QString startPage(int16_t langIndex);
// Whether an application is registered for CHM files: always on Windows, elsewhere as xdg-mime answers.
bool hasChmViewer();
// What the help command hands the shell: the CHM's path when it can be shown, else the start page as a
// file:// URL.
QString target(int16_t langIndex, bool chmShowable);
// Opens the help through the shell; false when the shell could not.
bool open(int16_t langIndex);
} // namespace HelpFile
