// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class QObject;

// How a later copy of the program reaches the running one: it writes into a request file beside the
// single-instance lock, which the running copy watches. A file in the user's own settings folder reaches the
// copy that holds the lock from any session of the user, on every system alike (Qt's watcher uses inotify on
// Linux and the system's change notifications on Windows), and needs no network module.
namespace InstanceChannel {
// The running copy: `request` runs in `context`'s thread at each request. The file is made now.
void listen(const QString& file, QObject* context, std::function<void()> request);
// A later copy: leaves a request; false where the file cannot be written.
bool ask(const QString& file);
} // namespace InstanceChannel
