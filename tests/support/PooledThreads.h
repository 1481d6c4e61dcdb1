#pragma once

// Qt's pooled threads are detached: the pool's end returns once their work is done, before each has run
// its thread-exit cleanup. A process that then exits can delete Qt's thread-data key first, and the
// thread's data is lost (the leak checker reports it). The test programs wait for them.
void waitUntilPooledThreadsHaveExited();
