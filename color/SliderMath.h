// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The runtime's arithmetic that the slider's position rules rely on.
namespace SliderMath {
// a − b of two longs; error 6 when the difference does not fit 32 bits.
int32_t difference(int32_t a, int32_t b);
// a / b; error 11 for a division of a non-zero number by zero, error 6 for 0 / 0 or an infinite result.
double divide(double a, double b);
} // namespace SliderMath
