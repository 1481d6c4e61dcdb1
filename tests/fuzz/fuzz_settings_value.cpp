// SPDX-License-Identifier: GPL-3.0-or-later
// The conversions of stored settings and property values: any text a settings file may hold.
#include "base/StoredValue.h"
#include "base/VbConvert.h"
#include "base/VbError.h"

#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

template <typename Convert> auto attempt(Convert convert) -> std::optional<decltype(convert())> {
    try {
        return convert();
    } catch (const VbError& error) {
        // Only the runtime's conversion errors: type mismatch and overflow.
        if (error.number() != VbErr::TypeMismatch && error.number() != VbErr::Overflow)
            std::abort();
        return std::nullopt;
    }
}

void convertText(const QString& text) {
    const auto integer = attempt([&] { return VbConvert::toInteger(text); });
    const auto whole = attempt([&] { return VbConvert::toLong(text); });
    // Both read the same number; only the range differs.
    if (integer && (!whole || *whole != *integer))
        std::abort();
    if (whole && *whole >= -32768 && *whole <= 32767 && !integer)
        std::abort();
    attempt([&] { return StoredValue::toLong(text); });
    attempt([&] { return StoredValue::toBoolean(text); });
    attempt([&] { return StoredValue::toColor(text); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    convertText(QString::fromUtf8(bytes));
    convertText(QString::fromLatin1(bytes));
    if (size >= sizeof(double)) {
        double number = 0;
        std::memcpy(&number, data, sizeof number);
        attempt([&] { return VbConvert::toLong(number); });
        attempt([&] { return StoredValue::toColor(number); });
        VbConvert::roundHalfEven(number);
    }
    return 0;
}
