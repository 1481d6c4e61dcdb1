#pragma once

#include <functional>

// Ends the program at once: no shutdown, no further window events. Tests replace the ending.
namespace ProgramEnd {
[[noreturn]] void now();
// `ending` must not return (a test's ending throws ProgramEnded); an empty function restores the default.
void setHandler(std::function<void()> ending);
} // namespace ProgramEnd

// Thrown by test endings; deliberately not an error the trap catches.
struct ProgramEnded {};
