// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Looks for leaks now, once the application object has ended, instead of when the process exits. Qt's
// threads that end late (its pool's, its D-Bus connection's) are detached: their exit cleanup, which frees
// each one's thread data, can still be under way when Qt deletes its thread-data key at exit, and then never
// runs; a check at exit reported that data as leaked now and then. Until main returns the key stands, so a
// thread is either alive, its data in reach, or gone with its data freed. The pool's threads, which end
// with the application object, are waited for first: the checker stops every thread to look at it, and
// stopping one that is just ending crashed it.
void checkLeaksNow();
