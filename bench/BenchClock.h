#pragma once

#include <ctime>
#include <sys/resource.h>

// What the benchmarks print beside elapsed time: the processor time this
// process has used and its peak memory.

inline double ProcessCpuMs()
{
    timespec t {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

inline long PeakMemoryMb()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}
