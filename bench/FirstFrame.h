#pragma once

// The end of a start-up probe's first frame, as both probes (the program's and the floor's)
// report it: start-up ends there, and what comes after (quitting, tearing down) is not part
// of it.
#include <QCoreApplication>
#include <QMetaObject>

#include <cstdio>
#include <ctime>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#endif

// Called at the window's first paint event. Once the frame that event begins is drawn and
// flushed (the queued call runs after the whole repaint), writes "painted" and the CPU
// seconds the process has used so far (all its threads, user and system) to stdout, has
// callgrind, when it runs the probe, dump its count up to there, and quits unless
// MIRELON_PROBE_STAYS is set.
inline void reportFirstFrame()
{
    QMetaObject::invokeMethod(
        qApp,
        [] {
            timespec cpu{};
            clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
#ifdef CALLGRIND_DUMP_STATS_AT
            CALLGRIND_DUMP_STATS_AT("first frame");
#endif
            std::printf("painted %.6f\n", double(cpu.tv_sec) + double(cpu.tv_nsec) / 1e9);
            std::fflush(stdout);
            if (!qEnvironmentVariableIsSet("MIRELON_PROBE_STAYS"))
                QCoreApplication::quit();
        },
        Qt::QueuedConnection);
}
