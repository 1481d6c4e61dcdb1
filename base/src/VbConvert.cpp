// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/VbConvert.h"

#include "base/VbError.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {
// The digits after "&H" or "&O": nothing but digits of the radix, no sign, no blanks.
double parseRadix(const QString& digits, int radix) {
    if (digits.isEmpty())
        VbError::raise(VbErr::TypeMismatch);
    double value = 0;
    for (QChar ch : digits) {
        const qsizetype digit = QStringLiteral("0123456789ABCDEF").indexOf(ch.toUpper());
        if (digit < 0 || digit >= radix)
            VbError::raise(VbErr::TypeMismatch);
        value = value * radix + static_cast<double>(digit);
    }
    return value;
}

// Decimal text: optional sign, digits with an optional decimal point, optional exponent (E or D);
// "&H…" and "&O…" are hexadecimal and octal.
double parseNumber(const QString& raw) {
    const QString text = raw.trimmed();
    if (text.startsWith(QLatin1String("&H"), Qt::CaseInsensitive) ||
        text.startsWith(QLatin1String("&O"), Qt::CaseInsensitive))
        return parseRadix(text.mid(2), text.at(1).toUpper() == QLatin1Char('H') ? 16 : 8);
    bool sawDigit = false;
    for (QChar ch : text) {
        if (ch.isDigit())
            sawDigit = true;
        else if (!QStringLiteral("+-.eEdD").contains(ch))
            VbError::raise(VbErr::TypeMismatch);
    }
    // The runtime takes "D" as an exponent mark as well as "E".
    const QByteArray latin =
        QString(text).replace(QLatin1Char('d'), QLatin1Char('e'), Qt::CaseInsensitive).toLatin1();
    if (latin.startsWith("+-"))
        VbError::raise(VbErr::TypeMismatch);
    const char* begin = latin.constData() + (latin.startsWith('+') ? 1 : 0);
    const char* end = latin.constData() + latin.size();
    double value = 0;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (!sawDigit || stop != end || (error != std::errc() && error != std::errc::result_out_of_range))
        VbError::raise(VbErr::TypeMismatch);
    if (error == std::errc::result_out_of_range || !std::isfinite(value))
        VbError::raise(VbErr::Overflow);
    return value;
}

template <typename Int> Int toIntegral(double value) {
    const double rounded = VbConvert::roundHalfEven(value);
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<Int>::min() ||
        rounded > std::numeric_limits<Int>::max())
        VbError::raise(VbErr::Overflow);
    return static_cast<Int>(rounded);
}
} // namespace

double VbConvert::roundHalfEven(double value) {
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5)
        return floor + 1;
    if (fraction < 0.5)
        return floor;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1;
}

int16_t VbConvert::toInteger(const QString& text) {
    return toIntegral<int16_t>(parseNumber(text));
}
int32_t VbConvert::toLong(const QString& text) {
    return toIntegral<int32_t>(parseNumber(text));
}
int32_t VbConvert::toLong(double value) {
    return toIntegral<int32_t>(value);
}
