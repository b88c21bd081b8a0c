#pragma once
// The processor time of the calling thread, for the benchmarks' ratios: on a machine shared with other
// work, two parts measured side by side are compared by the time each ran, not by the time the thread
// also spent waiting for a processor.
#include <time.h>

namespace bench {

inline double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

}  // namespace bench
