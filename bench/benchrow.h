#ifndef BENCHROW_H
#define BENCHROW_H

#include <cstdio>

// One row for bench/run.sh: a figure against its baseline measured in the same run, and optionally the goal
// for the ratio value / baseline value ("<= 1.1", ">= 0.99"), which the runner marks met or missed.
inline void benchRow(const char* figure, double value, const char* baseline, double baselineValue, const char* unit,
                     const char* goal = nullptr)
{
    std::printf("ROW\t%s\t%.6g\t%s\t%.6g\t%s", figure, value, baseline, baselineValue, unit);
    if (goal)
        std::printf("\t%s", goal);
    std::printf("\n");
    std::fflush(stdout);
}

#endif // BENCHROW_H
