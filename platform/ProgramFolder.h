// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Seam.h"

#include <QString>

// The folder of the program file: language files, help and the button library are read from there.
namespace ProgramFolder {
// Without a trailing separator.
QString path();
// Where the program writes its files (pics/, the error log, the default .ERR): the program folder when it
// can be written, as in a portable install; otherwise, as in a system-wide install or one by the setup
// program (which leaves InstalledMark there), the user's data folder "Pinsola" ($XDG_DATA_HOME/Pinsola,
// %LOCALAPPDATA%\Pinsola), created here. Without a trailing separator.
QString writablePath();
// The file by which the Windows setup program marks the folder it installed.
inline constexpr char InstalledMark[] = "installed.txt";
// The program file's name without extension ("pinsola").
QString programName();
// Tests stand in a temporary folder for the program folder.
inline Seam<QString> pathSeam;
} // namespace ProgramFolder
