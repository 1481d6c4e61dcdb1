// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/StoredValue.h"

#include "base/VbConvert.h"
#include "base/VbError.h"

#include <limits>

namespace {
bool isText(const QVariant& value) {
    return value.typeId() == QMetaType::QString;
}

uint32_t colorFromNumber(long long number) {
    if (number < std::numeric_limits<int32_t>::min() || number > std::numeric_limits<uint32_t>::max())
        VbError::raise(VbErr::Overflow);
    return static_cast<uint32_t>(number);
}
} // namespace

int32_t StoredValue::toLong(const QVariant& value) {
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? VbConvert::True : VbConvert::False;
    if (isText(value))
        return VbConvert::toLong(value.toString());
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok)
        VbError::raise(VbErr::TypeMismatch);
    return VbConvert::toLong(number);
}

int16_t StoredValue::toBoolean(const QVariant& value) {
    if (isText(value)) {
        const QString text = value.toString().trimmed();
        if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return VbConvert::True;
        if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return VbConvert::False;
    }
    return VbConvert::fromBool(toLong(value) != 0);
}

uint32_t StoredValue::toColor(const QVariant& value) {
    if (value.typeId() == QMetaType::Bool)
        return static_cast<uint32_t>(toLong(value));
    if (!isText(value)) {
        bool ok = false;
        const long long number = value.toLongLong(&ok);
        if (!ok)
            VbError::raise(VbErr::TypeMismatch);
        return colorFromNumber(number);
    }
    QString text = value.toString().trimmed();
    if (text.endsWith(QLatin1Char('&')))
        text.chop(1);
    bool ok = false;
    if (text.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        const qulonglong number = text.mid(2).toULongLong(&ok, 16);
        if (!ok)
            VbError::raise(VbErr::TypeMismatch);
        if (number > std::numeric_limits<uint32_t>::max())
            VbError::raise(VbErr::Overflow);
        return static_cast<uint32_t>(number);
    }
    const long long number = text.toLongLong(&ok);
    if (!ok)
        VbError::raise(VbErr::TypeMismatch);
    return colorFromNumber(number);
}
