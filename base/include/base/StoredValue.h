// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLatin1String>
#include <QVariant>
#include <cstdint>

// Values read back from a host's property set, converted as the runtime converts them: numbers round
// halves to the even neighbour, text that is no number raises error 13, a value out of range error 6.
namespace StoredValue {
int32_t toLong(const QVariant& value);
// -1 for true, 0 for false; "True" and "False" are read in any case.
int16_t toBoolean(const QVariant& value);
// A colour value: decimal (signed or unsigned 32-bit) or "&H…" hexadecimal, with an optional trailing "&".
uint32_t toColor(const QVariant& value);
// A picture made in memory has no source to name; it is stored inline as PNG data behind this prefix.
constexpr QLatin1String PictureDataPrefix("data:image/png;base64,");
} // namespace StoredValue
