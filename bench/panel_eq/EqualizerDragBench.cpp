// One step of an equalizer slider's drag: a mouse move on the panel's form,
// through the application-wide hook, to the band's register write on the
// emulated headset (and the equalizer switch through the SDK, and the page
// redrawn and painted headless). The panel's budget for it is a tenth of a
// 60 Hz frame, 1.67 ms of CPU.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "audio/mainform/TAudioMainForm.h"
#include "platform/core/ProgramFolder.h"
#include "platform/forms/FormScenario.h"
#include "platform/forms/TApplication.h"
#include "platform/ui/headless/Driver.h"
#include "sim/headset/EmulatedHeadset.h"
#include "sim/headset/Machine.h"
#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

void PrepareProgramFolder(const TempFolder& folder) {
    const fs::path shipped = core::executableFolder();
    for (const char* entry :
         {"Language", "Skin", "forms", "SonvairApp.png", "AudioConfig.cfg", "libDLLQ9_Sonvair16xx_x32.so"}) {
        fs::create_symlink(shipped / entry, fs::path(folder.path()) / entry);
    }
}

void SliderDragStep(benchmark::State& state) {
    TempFolder runtime, config, folder;
    ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
    PrepareProgramFolder(folder);
    ui::headless::Driver driver;
    sim::Machine machine;
    auto headset = std::make_shared<sim::EmulatedHeadset>();
    headset->plugInto(machine);
    auto form = forms::Application->CreateForm<TAudioMainForm>(
        folder.path(), std::vector<std::string>{"sonvair-app", "-servicestart"});
    form->Show();
    driver.activate(*form);
    driver.runUntilIdle();

    std::string error;
    const auto knob = forms::locateControl("EQ300HzSliderImage", error);
    if (!knob) {
        state.SkipWithError(error.c_str());
        return;
    }
    driver.mouseMove(*form, knob->point);
    driver.mouseDown(*form, knob->point);
    headset->log().clear();
    int step = 0;
    for (auto _ : state) {
        // Up and down by a few pixels around the middle: every step a new gain.
        const int dy = (step++ % 8) - 4;
        driver.mouseMove(*form, {knob->point.x, knob->point.y + dy});
    }
    driver.mouseUp(*form, knob->point);
    const auto lines = headset->log().lines();
    const auto writes = std::count_if(lines.begin(), lines.end(),
                                      [](const std::string& line) { return line.starts_with("write 0x0122"); });
    // Each step writes the band's low byte: 1 when every step reached the headset.
    state.counters["band_writes_per_step"] = static_cast<double>(writes) / static_cast<double>(std::max(step, 1));
    headset->log().clear();
    form.reset();
    driver.runUntilIdle();
}
BENCHMARK(SliderDragStep)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
