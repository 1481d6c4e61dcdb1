// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Seam.h"

#include <QString>
#include <functional>

// The shell's "Open" operation on a file, web address or "mailto:" target.
namespace Shell {
// Returns false when nothing could open the target.
bool open(const QString& target);
// The same as a statement of a procedure: raises error 75 naming the target when nothing could open it.
void execute(const QString& target);
// Tests watch the requests instead of starting programs.
inline Seam<std::function<bool(const QString& target)>> openSeam;
} // namespace Shell
