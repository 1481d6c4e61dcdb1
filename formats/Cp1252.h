// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The Windows-1252 code page: the 8-bit system code page of the program's six languages.
namespace Cp1252 {
QString decode(const QByteArray& bytes);
// Characters outside the code page become '?'.
QByteArray encode(const QString& text);
} // namespace Cp1252
