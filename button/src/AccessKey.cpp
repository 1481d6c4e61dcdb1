// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessKey.h"

namespace brizel {

std::optional<QChar> UpdateAccessKey(const QString& caption) {
    if (caption.size() <= 1)
        return std::nullopt;
    const qsizetype first = caption.indexOf(u'&');
    if (first < 0 || first == caption.size() - 1)
        return std::nullopt;
    if (caption.at(first + 1) != u'&')
        return caption.at(first + 1).toLower();
    // A doubled ampersand shows one ampersand; only a later single one marks a key.
    const qsizetype next = caption.indexOf(u'&', first + 2);
    if (next < 0 || next == caption.size() - 1 || caption.at(next + 1) == u'&')
        return std::nullopt;
    return caption.at(next + 1).toLower();
}

} // namespace brizel
