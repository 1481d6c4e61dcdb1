// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

// Which of Qt's display platforms the program runs on.
namespace DisplayPlatform {
// The program's arguments for QApplication: as given, but on a Wayland session with an X server beside
// it (Xwayland) "-platform xcb" is added, unless the user chose a platform (QT_QPA_PLATFORM). The program
// places its windows itself (the lesson viewer and colour window beside the drawing window, at their
// stored places), which a Wayland compositor grants no client. The list ends with a null pointer, as argv.
std::vector<char*> arguments(int argc, char* argv[]);
} // namespace DisplayPlatform
