// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace brizel {
class BrizelFactory;
}

// The button library, loaded at run time from the program folder by its class ("BrizelLib.Brizel").
namespace ButtonLibrary {
// The library's file in the program folder.
QString path();
// The class factory; the library stays loaded once found. A library that is missing or is no button
// library raises error 429.
brizel::BrizelFactory& factory();
} // namespace ButtonLibrary
