// Repaint cost of a skinned dialog, against the floor of any repaint: one
// plain copy of the whole window's surface.
#include <benchmark/benchmark.h>

#include "keyboard/toolkit/CImageButton.h"
#include "keyboard/toolkit/TestDialog.h"
#include "platform/ui/headless/Driver.h"

namespace {

struct Scene {
    Scene() {
        dialog.m_width = 805;
        dialog.m_height = 588;
        dialog.Create(nullptr);
        ui::Image strip = FrameStrip(3, 60, 30);
        for (int i = 0; i < 120; ++i) {
            int x = 10 + (i % 12) * 65, y = 20 + (i / 12) * 55;
            dialog
                .AddControl(1 + i % 5,
                            std::make_unique<CImageButton>(&dialog, 2200 + i, ui::Rect{x, y, x + 60, y + 30}))
                ->SetStripImage(strip);
        }
        driver.runUntilIdle();
    }
    ui::headless::Driver driver;
    TestDialog dialog;
};

Scene& scene() {
    static Scene s;
    return s;
}

void FullWindowCopy(benchmark::State& state) {
    ui::Image source(805, 588, 0xFF202020u);
    ui::Image target(805, 588);
    for (auto _ : state) {
        ui::DeviceContext dc(target);
        dc.bitBlt(ui::Rect{0, 0, 805, 588}, source, {0, 0});
        benchmark::DoNotOptimize(target);
    }
}

void FullRepaint(benchmark::State& state) {
    Scene& s = scene();
    for (auto _ : state) {
        s.dialog.invalidate();
        s.dialog.updateWindow();
    }
}

void HoverMove(benchmark::State& state) {
    Scene& s = scene();
    bool left = false;
    for (auto _ : state) {
        // Between two neighbouring buttons: each move repaints the one left and the one entered.
        s.driver.mouseMove(s.dialog, left ? ui::Point{20, 30} : ui::Point{85, 30});
        left = !left;
    }
}

}  // namespace

BENCHMARK(FullWindowCopy);
BENCHMARK(FullRepaint);
BENCHMARK(HoverMove);
BENCHMARK_MAIN();
