// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SerialWorker.h"

#include <utility>

void SerialWorker::start(std::function<void()> task) {
    const std::lock_guard lock(m_mutex);
    m_tasks.push_back(std::move(task));
    if (!m_thread.joinable())
        m_thread = std::jthread([this](const std::stop_token& stop) { run(stop); });
    m_changed.notify_all();
}

void SerialWorker::waitForDone() {
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_tasks.empty() && !m_running; });
}

void SerialWorker::run(const std::stop_token& stop) {
    std::unique_lock lock(m_mutex);
    // Asked to stop, it still runs what is queued.
    while (m_changed.wait(lock, stop, [this] { return !m_tasks.empty(); })) {
        std::function<void()> task = std::move(m_tasks.front());
        m_tasks.pop_front();
        m_running = true;
        lock.unlock();
        task();
        lock.lock();
        m_running = false;
        m_changed.notify_all();
    }
}
