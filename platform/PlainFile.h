// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QFile;

// A file opened to be read to its end only when it is a plain file: reading a pipe or a device could wait
// forever or never end.
namespace PlainFile {
enum class Opening { Opened, Missing, NotAFile, Unreadable };

// Opens `path` read-only into `file`; `size` gets the file's length when it is a plain file.
Opening open(QFile& file, const QString& path, qint64& size);
} // namespace PlainFile
