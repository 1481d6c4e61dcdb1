// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The maker's addresses, defined once for the program and the button library.
namespace Addresses {
inline constexpr const char* WebPage = "https://pinsola.example.org/";
inline constexpr const char* SupportMail = "support@pinsola.example.org";
inline constexpr const char* SalesMail = "sales@pinsola.example.org";
} // namespace Addresses
