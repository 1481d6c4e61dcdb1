// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

// A language file as the texts are read from it: section "Lang" of an INI-form file. A file larger than
// any real language file is refused unread, so a damaged one cannot stall every text lookup.
namespace LanguageFile {
inline constexpr qint64 MaxSize = 1024 * 1024;
inline constexpr const char* Section = "Lang";

// The text of `key`, cut to `bufferSize` − 1 characters; nothing where the file cannot serve or lacks it.
std::optional<QString> text(const QString& path, const QString& key, int bufferSize);
// Why the file cannot serve as a language file (missing, unreadable, too large, no texts); empty when it
// can.
QString whyUnusable(const QString& path);
} // namespace LanguageFile
