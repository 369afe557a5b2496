// How close APPLY on the configurator's window comes to the pauses the
// keyboard's protocol demands, with every row of the three on-board profiles
// marked: the emulated keyboard on a simulated bus, the real clock, the
// window headless, and real files in a scratch folder.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include "keyboard/mainwindow/CProfileBar.h"
#include "keyboard/mainwindow/CTarvikDlg.h"
#include "keyboard/resources/KeyboardResources.h"
#include "platform/core/ProgramFolder.h"
#include "platform/hid/sim/SimBus.h"
#include "platform/ui/Session.h"
#include "sim/keyboard/EmulatedKeyboard.h"
#include "support/TempFolder.h"

namespace {

using namespace std::chrono_literals;

constexpr int kOnBoard = 3;
constexpr int kSlots = 6;

// Three lighting writes (15 ms), three key maps (350 ms), eighteen macros
// (350 ms) and the profile report (15 ms).
constexpr auto kMandated = kOnBoard * 15ms + kOnBoard * 350ms + kOnBoard * kSlots * 350ms + 15ms;

// Every G key of the three profiles plays a macro of the library, so each
// macro row sends its report.
void GiveEveryGKeyAMacro(CTarvikDlg& window) {
    ConfiguratorData& data = window.Data();
    for (int slot = 0; slot < kSlots; ++slot) {
        MacroKey& macro = data.library.sets.front().AddMacro("M" + std::to_string(slot));
        macro.AppendAction(MacroAction::Key(0x41, false));
        macro.AppendAction(MacroAction::Key(0x41, true));
        macro.pairCount = 2;
    }
    for (int p = 0; p < kOnBoard; ++p) {
        for (int slot = 0; slot < kSlots; ++slot) {
            GKeySlot& key = data.profiles.Record(p).gKeys[static_cast<std::size_t>(slot)];
            key.name = "M" + std::to_string(slot);
            key.function = KeyFunction{0x01, 0x00, 0x00};
        }
    }
}

void MarkEverything(PendingWrites& pending) {
    for (int p = 0; p < kOnBoard; ++p) {
        for (int row = 0; row < PendingWrites::kRows; ++row) {
            pending.Mark(row, p);
        }
    }
}

void ApplyWithEveryRowMarked(benchmark::State& state) {
    TempFolder folder;
    core::setProgramFolder(folder.path());
    ui::Session session(ui::Backend::headless);
    InitKeyboardResources();
    hid::SimBus bus;
    bus.plug(std::make_shared<sim::EmulatedKeyboard>());
    CTarvikDlg window(bus);
    window.Create(nullptr);
    GiveEveryGKeyAMacro(window);
    std::chrono::steady_clock::duration total{};
    for (auto _ : state) {
        MarkEverything(window.Pending());
        window.MarkLibraryModified();
        auto start = std::chrono::steady_clock::now();
        window.ProfileBar().Apply();
        total += std::chrono::steady_clock::now() - start;
    }
    window.destroy();
    double wall = std::chrono::duration<double>(total).count() / static_cast<double>(state.iterations());
    state.counters["wall_over_pauses"] = wall / std::chrono::duration<double>(kMandated).count();
}
BENCHMARK(ApplyWithEveryRowMarked)->Iterations(2)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
