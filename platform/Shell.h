#pragma once

#include <QString>
#include <functional>

// The shell's "Open" operation on a file, web address or "mailto:" target.
namespace Shell {
// Returns false when nothing could open the target; callers mostly ignore that.
bool open(const QString& target);
// Tests watch the requests instead of starting programs; an empty function restores the shell.
void setOpener(std::function<bool(const QString&)> opener);
} // namespace Shell
