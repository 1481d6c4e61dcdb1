// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FontWarmUp.h"

#ifdef PINSOLA_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif
#ifdef __linux__
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

#ifdef PINSOLA_FONTCONFIG
namespace {

// The lowest priority: the display server, the session bus and the main thread, on their way to the first
// window, take a core from the reader whenever they need one, and it reads in their gaps. It then hands
// its core back at once: a new thread may start on the core of the thread that made it, which otherwise
// waited up to a scheduler tick (1.7-4 ms in 7 of 40 starts).
void yieldToStartUp() {
#ifdef __linux__
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 19);
    sched_yield();
#endif
}

} // namespace
#endif

FontWarmUp::FontWarmUp() {
#ifdef PINSOLA_FONTCONFIG
    // Reading it twice does no harm: the font system keeps whichever reading finishes first.
    m_reader = std::jthread([] {
        yieldToStartUp();
        FcInit();
    });
#endif
}

void FontWarmUp::waitUntilRead() {
    if (m_reader.joinable())
        m_reader.join();
}
