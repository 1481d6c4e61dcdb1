// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QFile;

// The two steps of a save that no reader may see half done, in each system's own calls.
namespace FileReplace {
// Renames `from` over `to` in one step, so `to` is either the old or the new file. A link at `to` is
// replaced, never followed.
bool replace(const QString& from, const QString& to);
// Waits until the open file's data lies on the disk; empty when it does, else the system's reason.
QString flushToDisk(QFile& file);
} // namespace FileReplace
