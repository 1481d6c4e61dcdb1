// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/StoredForm.h"

#include "base/SystemColorTable.h"
#include "base/VbConvert.h"
#include "base/VbError.h"

#include <QFile>
#include <algorithm>

StoredForm StoredForm::fromText(const QString& text) {
    StoredForm form;
    QString name;
    QString body;
    const auto flush = [&] {
        if (!name.isEmpty())
            form.m_sections.push_back({name, KeyedPropertyBag::fromText(body)});
        body.clear();
    };
    for (const QString& rawLine : text.split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            flush();
            name = line.mid(1, line.size() - 2).trimmed();
        } else {
            body += line + QLatin1Char('\n');
        }
    }
    flush();
    return form;
}

StoredForm StoredForm::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        VbError::raise(VbErr::FileNotFound);
    return fromText(QString::fromUtf8(file.readAll()));
}

const StoredForm::Section* StoredForm::find(const QString& control) const {
    const auto it = std::find_if(m_sections.begin(), m_sections.end(), [&](const Section& section) {
        return section.name.compare(control, Qt::CaseInsensitive) == 0;
    });
    return it == m_sections.end() ? nullptr : &*it;
}

bool StoredForm::contains(const QString& control) const {
    return find(control) != nullptr;
}

const KeyedPropertyBag& StoredForm::control(const QString& control) const {
    const Section* section = find(control);
    if (!section)
        VbError::raise(VbErr::ControlArrayElementMissing);
    return section->bag;
}

QStringList StoredForm::controls() const {
    QStringList names;
    for (const Section& section : m_sections)
        names << section.name;
    return names;
}

int32_t StoredForm::number(const KeyedPropertyBag& bag, const QString& key, int32_t fallback) {
    if (!bag.contains(key))
        return fallback;
    return VbConvert::toLong(bag.readProperty(key).toString());
}

QColor StoredForm::color(const KeyedPropertyBag& bag, const QString& key, QColor fallback) {
    if (!bag.contains(key))
        return fallback;
    return SystemColorTable::toQColor(static_cast<uint32_t>(number(bag, key)));
}

QRectF StoredForm::twipsRect(const KeyedPropertyBag& bag) {
    return QRectF(number(bag, QStringLiteral("left")), number(bag, QStringLiteral("top")),
                  number(bag, QStringLiteral("width")), number(bag, QStringLiteral("height")));
}

QFont StoredForm::font(const KeyedPropertyBag& bag, QFont base) {
    const QString name = bag.readProperty(QStringLiteral("fontname")).toString();
    if (!name.isEmpty())
        base.setFamily(name);
    const QString size = bag.readProperty(QStringLiteral("fontsize")).toString();
    if (!size.isEmpty()) {
        bool ok = false;
        const double points = size.toDouble(&ok);
        if (!ok || points <= 0)
            VbError::raise(VbErr::InvalidPropertyValue);
        base.setPointSizeF(points);
    }
    base.setBold(number(bag, QStringLiteral("fontbold"), 0) != 0);
    return base;
}
