#pragma once

// The processor time this thread has spent, in milliseconds. A check that a synchronous
// call does not hold the GUI thread (reading without end, laying out megabytes) measures
// the work the call did: on a machine with more work than cores the wall clock also
// counts the time the thread waited for a core.

#include <QtGlobal>

#include <time.h>

inline qint64 threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}
