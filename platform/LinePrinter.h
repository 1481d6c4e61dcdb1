// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// Prints plain text lines on the default printer in the printer's own font, one job per call.
namespace LinePrinter {
bool hasDefaultPrinter();
// False when there is no default printer or the job could not be started.
bool print(const QStringList& lines, const QString& jobName);
} // namespace LinePrinter
