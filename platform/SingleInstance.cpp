// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SingleInstance.h"

#include "platform/ForegroundGrant.h"
#include "platform/InstanceChannel.h"
#include "platform/InstanceLock.h"
#include "platform/UserFolders.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace {
struct Instance {
    std::unique_ptr<InstanceLock> lock;
    QString folder; // where the lock was taken or found held
    QString appName;
    QString lockFile() const { return folder + QLatin1Char('/') + appName + QStringLiteral(".lock"); }
    QString requestFile() const { return folder + QLatin1Char('/') + appName + QStringLiteral(".raise"); }
};

Instance& instance() {
    static Instance state;
    return state;
}

InstanceLock::Result takeIn(Instance& state, const QString& folder) {
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return InstanceLock::Result::Impossible;
    state.folder = folder;
    return InstanceLock::take(state.lockFile(), state.lock);
}
} // namespace

// The lock lies in the per-user configuration folder, which is the same for every session of the user
// whatever its environment; a runtime folder is not (a start without XDG_RUNTIME_DIR put its lock
// elsewhere and ran as a second copy). Only where that folder takes no lock do the others serve.
bool SingleInstance::anotherIsRunning(const QString& appName) {
    Instance& state = instance();
    if (state.lock)
        return false;
    state.appName = appName;
    const std::function<QString()> folders[] = {
        [&] { return UserFolders::config() + QLatin1Char('/') + appName; },
        [] { return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation); },
        [] { return QDir::tempPath(); }};
    for (const auto& folder : folders) {
        const InstanceLock::Result result = takeIn(state, folder());
        if (result != InstanceLock::Result::Impossible)
            return result == InstanceLock::Result::HeldByAnother;
    }
    state.folder.clear();
    return false;
}

void SingleInstance::askToComeForward() {
    if (const Instance& state = instance(); !state.lock && !state.folder.isEmpty()) {
        ForegroundGrant::toTheRunningCopy();
        InstanceChannel::ask(state.requestFile());
    }
}

void SingleInstance::onAskedToComeForward(QObject* context, std::function<void()> comeForward) {
    if (const Instance& state = instance(); state.lock)
        InstanceChannel::listen(state.requestFile(), context, std::move(comeForward));
}

void SingleInstance::release() {
    Instance& state = instance();
    if (!state.lock)
        return;
    QFile::remove(state.requestFile());
    state.lock.reset();
}
