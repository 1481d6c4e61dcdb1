// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVariant>

namespace brizel {

// The keyed property store a host offers each control instance. Keys compare without regard to case.
class PropertyBag {
public:
    virtual ~PropertyBag() = default;

    // The stored value, or `fallback` when the key is missing.
    virtual QVariant readProperty(const QString& key, const QVariant& fallback = {}) const = 0;
    // Stores `value`. With a valid `defaultValue` equal to `value`, nothing is kept under the key.
    virtual void writeProperty(const QString& key, const QVariant& value,
                               const QVariant& defaultValue = {}) = 0;
};

} // namespace brizel
