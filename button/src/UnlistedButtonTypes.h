// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <brizel/BrizelTypes.h>

namespace brizel {

// Styles the type library does not list but the control accepts and draws.
inline constexpr ButtonTypes Blank = ButtonTypes::Blank; // the face colour, nothing else
inline constexpr ButtonTypes ContainerPixels =
    ButtonTypes::ContainerPixels; // the container's pixels as its face

} // namespace brizel
