// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/KeyedPropertyBag.h"

#include <algorithm>

std::vector<KeyedPropertyBag::Entry>::const_iterator KeyedPropertyBag::position(const QString& key) const {
    return std::find_if(m_entries.begin(), m_entries.end(),
                        [&](const Entry& entry) { return entry.key.compare(key, Qt::CaseInsensitive) == 0; });
}

const KeyedPropertyBag::Entry* KeyedPropertyBag::find(const QString& key) const {
    const auto it = position(key);
    return it == m_entries.end() ? nullptr : &*it;
}

QVariant KeyedPropertyBag::readProperty(const QString& key, const QVariant& fallback) const {
    const Entry* entry = find(key);
    return entry ? entry->value : fallback;
}

void KeyedPropertyBag::writeProperty(const QString& key, const QVariant& value,
                                     const QVariant& defaultValue) {
    const bool isDefault = defaultValue.isValid() && value == defaultValue;
    const auto it = position(key);
    if (isDefault) {
        if (it != m_entries.end())
            m_entries.erase(it);
        return;
    }
    if (it != m_entries.end())
        m_entries[static_cast<size_t>(it - m_entries.begin())].value = value;
    else
        m_entries.push_back({key, value});
}

bool KeyedPropertyBag::contains(const QString& key) const {
    return find(key) != nullptr;
}

QStringList KeyedPropertyBag::keys() const {
    QStringList result;
    for (const Entry& entry : m_entries)
        result << entry.key;
    return result;
}

KeyedPropertyBag KeyedPropertyBag::fromText(const QString& text) {
    KeyedPropertyBag bag;
    for (const QString& rawLine : text.split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0)
            continue;
        bag.writeProperty(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    return bag;
}

QString KeyedPropertyBag::toText() const {
    QString text;
    for (const Entry& entry : m_entries)
        text += entry.key + QLatin1Char('=') + entry.value.toString() + QLatin1Char('\n');
    return text;
}
