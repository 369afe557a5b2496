#pragma once

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

// One run of a program, as the benchmark sees it from outside.
struct ProgramRun {
    bool succeeded = false;     // exited with 0 after writing its mark
    double toMarkMs = 0;        // start to the first byte on its stdout
    double toExitMs = 0;        // start to its exit
    double maxResidentMiB = 0;  // ru_maxrss: at least the spawner's own size at the fork
};

// Starts program with the arguments and extra environment (NAME=value) given,
// with stdin and stderr on /dev/null and stdout read here, and waits for it.
ProgramRun RunProgram(const std::vector<std::string>& arguments, const std::vector<std::string>& environment);

// The runs of one start-up benchmark: a program and the empty program beside it,
// summed run by run and reported as averages and the two ratios.
struct StartupTally {
    double paint = 0, exit = 0, rss = 0, emptyPaint = 0, emptyExit = 0, emptyRss = 0;

    void Add(const ProgramRun& program, const ProgramRun& empty) {
        paint += program.toMarkMs;
        exit += program.toExitMs;
        rss += program.maxResidentMiB;
        emptyPaint += empty.toMarkMs;
        emptyExit += empty.toExitMs;
        emptyRss += empty.maxResidentMiB;
    }

    void Report(benchmark::State& state) const {
        const auto n = static_cast<double>(state.iterations());
        state.counters["first_paint_ms"] = paint / n;
        state.counters["exit_ms"] = exit / n;
        state.counters["empty_first_paint_ms"] = emptyPaint / n;
        state.counters["empty_exit_ms"] = emptyExit / n;
        state.counters["ratio"] = paint / emptyExit;
        state.counters["ratio_to_empty_paint"] = paint / emptyPaint;
        state.counters["max_rss_MiB"] = rss / n;
        state.counters["empty_max_rss_MiB"] = emptyRss / n;
    }
};
