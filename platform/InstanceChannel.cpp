// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/InstanceChannel.h"

#include <QFile>
#include <QFileSystemWatcher>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcChannel, "pinsola.instance")

namespace {
// A request is a line in the file; the running copy empties it as it answers.
bool takeRequests(const QString& file) {
    QFile requests(file);
    if (!requests.open(QIODevice::ReadWrite))
        return false;
    const bool asked = requests.size() > 0;
    if (asked)
        requests.resize(0);
    return asked;
}

void makeFile(const QString& file) {
    QFile requests(file);
    if (!requests.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qCWarning(lcChannel) << "no request file" << file << requests.errorString();
}
} // namespace

void InstanceChannel::listen(const QString& file, QObject* context, std::function<void()> request) {
    makeFile(file);
    auto* watcher = new QFileSystemWatcher({file}, context);
    QObject::connect(watcher, &QFileSystemWatcher::fileChanged, context,
                     [watcher, file, request = std::move(request)] {
                         // A file removed (and made again) is no longer watched.
                         if (!QFile::exists(file))
                             makeFile(file);
                         if (!watcher->files().contains(file))
                             watcher->addPath(file);
                         if (takeRequests(file))
                             request();
                     });
}

bool InstanceChannel::ask(const QString& file) {
    QFile requests(file);
    return requests.open(QIODevice::WriteOnly | QIODevice::Append) && requests.write("forward\n") > 0;
}
