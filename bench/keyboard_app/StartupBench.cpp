// Start-up of the configurator, headless: process start to its first painted
// main window, against an empty program on the same UI layer (one window of
// the same size painted once) spawned alternately in the same run.
//
// The configurator's time is taken to a mark it writes on stdout once its
// window is painted (the scenario runner runs first-paint.txt only then): the
// user waits for that, not for its shutdown. `ratio` sets it against the whole
// run of the empty program, start to exit; `ratio_to_empty_paint` against the
// empty program's own mark, the stricter reading. Both exits are reported too.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <string>
#include <vector>

#include "ProgramRun.h"
#include "support/TempFolder.h"

namespace {

enum class Case {
    steady,        // the program folder holds the files a first run left
    firstRun,      // a fresh program folder: the defaults are written
    withKeyboard,  // steady, with the emulated keyboard attached and synced
};

// A single-instance lock lives in the runtime folder: each run gets its own.
ProgramRun RunEmpty() {
    TempFolder runtime;
    return RunProgram({EMPTY_WINDOW_PROGRAM}, {"XDG_RUNTIME_DIR=" + runtime.path()});
}

ProgramRun RunConfigurator(const std::string& programFolder, bool simulate) {
    TempFolder runtime;
    std::vector<std::string> arguments = {QUELDA_KEYBOARD, "--script", FIRST_PAINT_SCRIPT, "--program-folder",
                                          programFolder};
    if (simulate) {
        arguments.push_back("--simulate");
    }
    return RunProgram(arguments, {"XDG_RUNTIME_DIR=" + runtime.path()});
}

double SpawnerResidentMiB() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void ConfiguratorStartup(benchmark::State& state, Case which) {
    TempFolder steadyFolder;
    if (which != Case::firstRun && !RunConfigurator(steadyFolder.path(), false).succeeded) {
        state.SkipWithError("the configurator's first run failed");
        return;
    }
    StartupTally tally;
    for (auto _ : state) {
        const ProgramRun empty = RunEmpty();
        TempFolder freshFolder;
        const std::string& folder = which == Case::firstRun ? freshFolder.path() : steadyFolder.path();
        const ProgramRun configurator = RunConfigurator(folder, which == Case::withKeyboard);
        if (!empty.succeeded || !configurator.succeeded) {
            state.SkipWithError(empty.succeeded ? "the configurator failed" : "the empty program failed");
            return;
        }
        state.SetIterationTime(configurator.toMarkMs / 1000.0);
        tally.Add(configurator, empty);
    }
    tally.Report(state);
    // ru_maxrss of a child counts the spawner's size at the fork: a child figure
    // above this one is the child's own peak.
    state.counters["spawner_rss_MiB"] = SpawnerResidentMiB();
}

}  // namespace

BENCHMARK_CAPTURE(ConfiguratorStartup, steady, Case::steady)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK_CAPTURE(ConfiguratorStartup, first_run, Case::firstRun)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK_CAPTURE(ConfiguratorStartup, with_keyboard, Case::withKeyboard)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK_MAIN();
