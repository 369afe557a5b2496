// Start-up of the headset panel, headless, on the emulated headset: process
// start to its first painted main form, against an empty form program on the
// same layer (one borderless form of the same size painted once) spawned
// alternately in the same run.
//
// The panel's time is taken to a mark it writes on stdout once its form is
// painted (the scenario's first line runs only then). `ratio` sets it against
// the empty program's whole run, start to exit; `ratio_to_empty_paint` against
// the empty program's own mark. Resident memory of both is reported.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "ProgramRun.h"
#include "support/TempFolder.h"

namespace {

// The single-instance lock and the last profile live in per-run folders.
std::vector<std::string> Session(const TempFolder& runtime, const TempFolder& config) {
    return {"XDG_RUNTIME_DIR=" + runtime.path(), "XDG_CONFIG_HOME=" + config.path()};
}

ProgramRun RunEmpty() {
    TempFolder runtime, config;
    return RunProgram({EMPTY_FORM_PROGRAM}, Session(runtime, config));
}

ProgramRun RunPanel(const TempFolder& config) {
    TempFolder runtime;
    return RunProgram({SONVAIR_APP, "--simulate", "--script", FIRST_PAINT_SCRIPT, "-servicestart"},
                      Session(runtime, config));
}

void PanelStartup(benchmark::State& state) {
    TempFolder config;  // a first run leaves the last profile, as at a user's
    if (!RunPanel(config).succeeded) {
        state.SkipWithError("the panel's first run failed");
        return;
    }
    StartupTally tally;
    for (auto _ : state) {
        const ProgramRun empty = RunEmpty();
        const ProgramRun panel = RunPanel(config);
        if (!empty.succeeded || !panel.succeeded) {
            state.SkipWithError(empty.succeeded ? "the panel failed" : "the empty program failed");
            return;
        }
        state.SetIterationTime(panel.toMarkMs / 1000.0);
        tally.Add(panel, empty);
    }
    tally.Report(state);
}

}  // namespace

BENCHMARK(PanelStartup)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK_MAIN();
