// How close a full initial sync and a full Apply come to the pauses the
// keyboard's protocol demands, on the emulated keyboard with the real clock.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include "keyboard/link/DefaultModel.h"
#include "keyboard/link/KeyboardLink.h"
#include "keyboard/link/KeyboardProtocol.h"
#include "keyboard/link/TestOwner.h"
#include "platform/hid/sim/SimBus.h"
#include "sim/keyboard/EmulatedKeyboard.h"
#include "support/TempFolder.h"

namespace {

using namespace std::chrono_literals;

struct Bench {
    hid::SimBus bus;
    std::shared_ptr<sim::EmulatedKeyboard> keyboard = std::make_shared<sim::EmulatedKeyboard>();
    TestOwner owner;
    TempFolder folder;
    DefaultModel data{folder.path()};
    PendingWrites pending;
    KeyboardLink link{owner, bus};
    KeyboardProtocol protocol{link, data.model, owner, pending};

    Bench() {
        keyboard->change([](sim::KeyboardFirmware& firmware) {
            firmware.profiles[0].gKeys[0] = 0x01;  // one named macro on G1 of profile 1
            firmware.profiles[0].gKeys[1] = firmware.profiles[0].gKeys[2] = 0;
            firmware.profiles[0].macros[0].name = {'M'};
        });
        bus.plug(keyboard);
        link.Discover();
    }
    void MarkEverything() {
        for (int p = 0; p < 3; ++p) {
            pending.Mark(PendingWrites::kLighting, p);
            pending.Mark(PendingWrites::kKeyMap, p);
            for (int row = PendingWrites::kFirstMacro; row < PendingWrites::kRows; ++row) {
                pending.Mark(row, p);
            }
        }
    }
};

// Sync: 3 lighting + 3 key-map reads (16 ms each) + one macro read (16 ms).
// Apply: 3 lighting writes (15 ms), 3 key maps (350 ms), the one macro (350 ms).
constexpr auto kMandated = 96ms + 16ms + 3 * 15ms + 3 * 350ms + 350ms;

void InitialSyncAndApply(benchmark::State& state) {
    Bench bench;
    std::chrono::steady_clock::duration total{};
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        bench.protocol.InitialSync();
        bench.MarkEverything();
        bench.protocol.FlushPendingWrites();
        total += std::chrono::steady_clock::now() - start;
    }
    double wall = std::chrono::duration<double>(total).count() / static_cast<double>(state.iterations());
    state.counters["wall_over_pauses"] = wall / std::chrono::duration<double>(kMandated).count();
}
BENCHMARK(InitialSyncAndApply)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
