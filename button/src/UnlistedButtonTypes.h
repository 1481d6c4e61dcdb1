#pragma once

#include <brizel/BrizelTypes.h>

namespace brizel {

// Styles the type library does not list but the control accepts and draws.
inline constexpr ButtonTypes Blank = ButtonTypes(10);           // the face colour, nothing else
inline constexpr ButtonTypes ContainerPixels = ButtonTypes(11); // the container's pixels as its face

} // namespace brizel
