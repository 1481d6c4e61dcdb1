// SPDX-License-Identifier: GPL-3.0-or-later
#include "LeakCheck.h"

#if defined(__SANITIZE_ADDRESS__)
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>
#include <sanitizer/lsan_interface.h>

namespace {

// Qt's pool threads, by the name Qt gives them, still on their way out after the pool's end.
bool anyPooledThreadLeft() {
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile name(tasks.filePath(task + QStringLiteral("/comm")));
        if (name.open(QIODevice::ReadOnly) && name.readAll().trimmed() == "Thread (pooled)")
            return true;
    }
    return false;
}

} // namespace

void checkLeaksNow() {
    const QDeadlineTimer deadline(10'000);
    while (anyPooledThreadLeft() && !deadline.hasExpired())
        QThread::msleep(1);
    __lsan_do_leak_check();
}
#else
void checkLeaksNow() {}
#endif
