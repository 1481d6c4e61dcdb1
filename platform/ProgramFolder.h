#pragma once

#include <QString>

// The folder of the program file: language files, pics/, help file and error files live there.
namespace ProgramFolder {
// Without a trailing separator.
QString path();
// The program file's name without extension ("pinsola").
QString programName();
// Tests point the program folder at a temporary folder; an empty path restores the real one.
void setPath(const QString& folder);
} // namespace ProgramFolder
