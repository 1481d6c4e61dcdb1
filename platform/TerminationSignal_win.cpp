// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TerminationSignal.h"

#include <QSocketNotifier>

// Windows has no such signals.
TerminationSignal::TerminationSignal(QObject* parent) : QObject(parent) {}
TerminationSignal::~TerminationSignal() = default;
