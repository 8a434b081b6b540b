// CPU time of the whole process: every thread, the GL driver's rasteriser threads included.
// Wall time of a frame follows whatever else the machine is running; the work the frame
// costs does not.
#pragma once

#include <sys/resource.h>

inline double Process_Cpu_Ms() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return 1e3 * ((double)u.ru_utime.tv_sec + (double)u.ru_stime.tv_sec) +
           1e-3 * (double)(u.ru_utime.tv_usec + u.ru_stime.tv_usec);
}
