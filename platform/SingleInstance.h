#pragma once

#include <QString>

// Tells whether another copy of the program already runs for this user. The first copy holds a lock
// for its whole lifetime; a lock left by a crashed copy is taken over.
namespace SingleInstance {
bool anotherIsRunning(const QString& appName);
}
