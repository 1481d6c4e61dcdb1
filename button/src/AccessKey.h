// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>
#include <optional>

namespace brizel {

// The access key a caption marks with '&', in lower case; none for "&&" pairs alone or a trailing '&'.
std::optional<QChar> UpdateAccessKey(const QString& caption);

} // namespace brizel
