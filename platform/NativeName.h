// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// File names as the system keeps them. On Linux a name is any string of bytes; Qt reads names as UTF-8
// and leaves out of its listings every name that is not valid UTF-8, so a drawing copied in under such a
// name could never be shown or opened. Here each byte that is no part of valid UTF-8 becomes a lone
// surrogate (U+DC80 + the byte) and back again, so every name survives the way from listing to opening.
namespace NativeName {
QString decode(const QByteArray& bytes);
QByteArray encode(const QString& name);
// The name as shown: each byte that is not UTF-8 as the replacement character.
QString shown(const QString& name);
// The names of the plain files (not hidden) in `folder` matching the wildcard `pattern` without regard
// to case, sorted by their shown names as the system's file list sorts them.
QStringList files(const QString& folder, const QString& pattern);
} // namespace NativeName
