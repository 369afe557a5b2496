// The floor the configurator's start-up is measured against: a program on the
// same UI layer that opens the headless session, paints one window of the main
// window's size once, says so on stdout and exits.
#include <cstdio>

#include "platform/ui/PaintDC.h"
#include "platform/ui/headless/Driver.h"

namespace {

class PlainWindow : public ui::Window {
public:
    ui::LRESULT WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) override {
        if (message == ui::WM_PAINT) {
            ui::PaintDC dc(*this);
            dc.fillRect(clientRect(), ui::RGB(0x20, 0x20, 0x20));
            ++paints;
            return 0;
        }
        return DefWindowProc(message, wParam, lParam);
    }
    int paints = 0;
};

}  // namespace

int main() {
    ui::headless::Driver driver;
    PlainWindow window;
    ui::WindowOptions options;
    options.rect = ui::Rect{0, 0, 805, 588};
    options.title = "Empty";
    options.visible = true;
    if (!window.create(options)) {
        return 1;
    }
    driver.runUntilIdle();
    if (window.paints != 1) {
        return 1;
    }
    std::puts("painted");
    std::fflush(stdout);
    return 0;
}
