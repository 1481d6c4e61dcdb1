#include "PooledThreads.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

namespace {

// The name Qt gives each of its pool's threads, as the system shows it.
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

void waitUntilPooledThreadsHaveExited() {
    const QDeadlineTimer deadline(10'000);
    while (anyPooledThreadLeft() && !deadline.hasExpired())
        QThread::msleep(1);
}
