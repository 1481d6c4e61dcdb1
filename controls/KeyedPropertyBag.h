// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <brizel/PropertyBag.h>

#include <QStringList>
#include <vector>

// The host side of a control's stored property set: keys compare without regard to case and keep
// the order in which they were first written. Stored sets are text, one "key=value" line each.
class KeyedPropertyBag : public brizel::PropertyBag {
public:
    QVariant readProperty(const QString& key, const QVariant& fallback = {}) const override;
    void writeProperty(const QString& key, const QVariant& value, const QVariant& defaultValue = {}) override;

    bool contains(const QString& key) const;
    // Keys in the order of their first write, spelled as first written.
    QStringList keys() const;

    // Lines of "key=value"; blank lines and lines starting with ';' or '#' are ignored.
    static KeyedPropertyBag fromText(const QString& text);
    QString toText() const;

private:
    struct Entry {
        QString key;
        QVariant value;
    };
    std::vector<Entry>::const_iterator position(const QString& key) const;
    const Entry* find(const QString& key) const;

    std::vector<Entry> m_entries;
};
