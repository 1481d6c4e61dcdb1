// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SerialWorker.h"

#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace {

// Tasks run in the order they were started, off the caller's thread; waiting, and going, both leave
// nothing unrun.
TEST(SerialWorker, RunsTasksInOrderOffTheCallersThreadAndFinishesThemBeforeItGoes) {
    std::vector<int> done;
    std::vector<std::thread::id> threads;
    {
        SerialWorker worker;
        for (int i = 0; i < 50; ++i)
            worker.start([&, i] {
                done.push_back(i);
                threads.push_back(std::this_thread::get_id());
            });
        worker.waitForDone();
        ASSERT_EQ(done.size(), 50U);
        for (int i = 50; i < 100; ++i)
            worker.start([&, i] { done.push_back(i); });
    }
    ASSERT_EQ(done.size(), 100U) << "the tasks still queued ran before the worker went";
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(done[static_cast<size_t>(i)], i);
    EXPECT_NE(threads.front(), std::this_thread::get_id());
}

} // namespace
