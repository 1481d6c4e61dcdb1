// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class QObject;

// Tells whether another copy of the program already runs for this user. The first copy holds a lock
// for its whole lifetime; a lock left by a crashed copy is taken over. Beside the lock lies the channel by
// which a later copy asks the first to come forward (InstanceChannel).
namespace SingleInstance {
bool anotherIsRunning(const QString& appName);
// A later copy, once anotherIsRunning said so: asks the running copy to come forward.
void askToComeForward();
// The first copy: `comeForward` runs in `context`'s thread whenever a later copy asks.
void onAskedToComeForward(QObject* context, std::function<void()> comeForward);
// At the program's end: the lock let go and its files removed, so the settings folder keeps none.
void release();
} // namespace SingleInstance
