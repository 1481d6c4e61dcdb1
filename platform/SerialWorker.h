// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

// Runs tasks one after another, in the order they were started, on a thread of its own made at the first
// task. Going, it runs what is still queued and joins the thread. Unlike a Qt thread pool, whose thread
// could still be ending after the pool was gone, nothing of it outlives its owner: a process ending
// right after finds no thread half way out (the leak checker once reported one).
class SerialWorker {
public:
    SerialWorker() = default;
    SerialWorker(const SerialWorker&) = delete;
    SerialWorker& operator=(const SerialWorker&) = delete;

    void start(std::function<void()> task);
    // Returns once every task started so far has run.
    void waitForDone();

private:
    void run(const std::stop_token& stop);

    std::mutex m_mutex;
    std::condition_variable_any m_changed;
    std::deque<std::function<void()>> m_tasks;
    bool m_running = false;
    // Last, so it stops, after running what is queued, before the queue goes.
    std::jthread m_thread;
};
