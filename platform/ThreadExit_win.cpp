// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ThreadExit.h"

#include <QByteArray>
#include <QtGlobal>

// With mingw's emulated thread-local storage, the regular-expression JIT's per-thread stack is freed after
// its thread's storage is gone, and the thread's end crashes; expressions are matched without the JIT.
void ThreadExit::prepare() {
    qputenv("QT_ENABLE_REGEXP_JIT", "0");
}
