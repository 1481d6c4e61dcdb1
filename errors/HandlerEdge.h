// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QObject;

// Qt's event delivery and signal emission are not built to be unwound by an exception: the locals of
// their frames would leak. A handler that Qt calls (an event handler, a slot) and that may fail outside
// an error trap runs its body through here, so the error stops at the handler's edge: the error window
// reports it, naming the receiver, and the user's decision retries the handler or goes on. Where the
// program's own code called into Qt inside carry(), the error is handed back to it instead, once Qt has
// returned.
namespace HandlerEdge {
// False when the handler was left on an error: the user cancelled it, or the error was carried.
bool run(const QObject* receiver, const std::function<void()>& handler);
// Calls into Qt; the first error that stopped at an edge during the call is raised here afterwards.
void carry(const std::function<void()>& call);
} // namespace HandlerEdge
