// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

// The original runtime's conversions: text to 16- and 32-bit integers with halves rounded to the
// even neighbour; text that is no number raises error 13, a number out of range error 6.
namespace VbConvert {
int16_t toInteger(const QString& text);
int32_t toLong(const QString& text);
int32_t toLong(double value);
// Rounds to the nearest integer, an exact half to the even neighbour.
double roundHalfEven(double value);
// Booleans are -1 (true) and 0 (false).
constexpr int16_t True = -1;
constexpr int16_t False = 0;
constexpr int16_t fromBool(bool value) {
    return value ? True : False;
}
} // namespace VbConvert
