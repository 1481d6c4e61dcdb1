// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/KeyedPropertyBag.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

// A window's design as stored with the program: a section per control ("[bzlButton(3)]"), each a
// property set of "key=value" lines whose keys compare without regard to case. Positions and sizes are
// twips; colours are plain RGB with red in the low byte.
class StoredForm {
public:
    static StoredForm fromText(const QString& text);
    // The stored window in a resource or file; a missing one raises error 53.
    static StoredForm load(const QString& path);

    bool contains(const QString& control) const;
    // The stored properties of a control; a control the window does not have raises error 340.
    const KeyedPropertyBag& control(const QString& control) const;
    // The controls in the order they are stored.
    QStringList controls() const;

    // A whole number stored under `key`, or `fallback` when the key is missing; text that is no
    // number raises error 13.
    static int32_t number(const KeyedPropertyBag& bag, const QString& key, int32_t fallback = 0);
    static QColor color(const KeyedPropertyBag& bag, const QString& key, QColor fallback);
    // "left", "top", "width" and "height", in twips.
    static QRectF twipsRect(const KeyedPropertyBag& bag);
    // "fontname", "fontsize" (points), "fontbold" (-1/0), over the given font.
    static QFont font(const KeyedPropertyBag& bag, QFont base);

private:
    struct Section {
        QString name;
        KeyedPropertyBag bag;
    };
    const Section* find(const QString& control) const;

    std::vector<Section> m_sections;
};
