// SPDX-License-Identifier: GPL-3.0-or-later
#include "color/SliderMath.h"

#include "base/VbError.h"

#include <cmath>
#include <limits>

int32_t SliderMath::difference(int32_t a, int32_t b) {
    const int64_t result = static_cast<int64_t>(a) - static_cast<int64_t>(b);
    if (result < std::numeric_limits<int32_t>::min() || result > std::numeric_limits<int32_t>::max())
        VbError::raise(VbErr::Overflow);
    return static_cast<int32_t>(result);
}

double SliderMath::divide(double a, double b) {
    if (b == 0)
        VbError::raise(a == 0 ? VbErr::Overflow : VbErr::DivisionByZero);
    const double result = a / b;
    if (!std::isfinite(result))
        VbError::raise(VbErr::Overflow);
    return result;
}
