// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

class QIODevice;

// Reads one key of an INI-form text file in the system's 8-bit code page: section and key compare
// without regard to case, the value is the rest of the line after the first '=' without surrounding
// blanks, cut to `bufferSize` − 1 characters. A missing file, section or key gives `fallback` with its
// trailing blanks removed.
namespace IniReader {
QString readKey(const QString& fileName, const QString& section, const QString& key, const QString& fallback,
                int bufferSize);
// The same for a file already open for reading.
QString readKey(QIODevice& file, const QString& section, const QString& key, const QString& fallback,
                int bufferSize);
// The key's value as readKey finds it; nothing where the file has no such key.
std::optional<QString> find(QIODevice& file, const QString& section, const QString& key, int bufferSize);
// Whether the section holds any key.
bool holdsKeys(QIODevice& file, const QString& section);
} // namespace IniReader
