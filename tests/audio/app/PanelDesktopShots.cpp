// The panel's real window on a desktop (a virtual X server in the tests), on
// the emulated headset: each page as the screen shows it, saved as
// OUTPUT/desktop-<page>.png, and the EQ page with a slider held half-way
// through a drag as OUTPUT/desktop-eq-drag.png.
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "audio/mainform/TAudioMainForm.h"
#include "audio/settings/PanelConfigFile.h"
#include "platform/forms/FormScenario.h"
#include "platform/forms/TApplication.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Messaging.h"
#include "platform/ui/Session.h"
#include "sim/headset/EmulatedHeadset.h"
#include "sim/headset/Machine.h"

namespace {

// Lets the X server map, expose and paint the window.
void settle() {
    for (int i = 0; i < 20; ++i) {
        forms::Application->ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: panel_desktop_shots OUTPUT-FOLDER\n");
        return 2;
    }
    const std::string output = argv[1];
    ui::Session session(ui::Backend::qt);
    sim::Machine machine;
    auto headset = std::make_shared<sim::EmulatedHeadset>();
    headset->plugInto(machine);
    auto form = forms::Application->CreateForm<TAudioMainForm>(PanelProgramFolder(),
                                                               std::vector<std::string>{"sonvair-app", "-servicestart"});
    form->Show();
    const std::pair<int, const char*> pages[] = {{PageEQ, "eq"},   {PageEffect, "effect"},
                                                 {PageMic, "mic"}, {PageVirtual7ch1, "virtual7p1"},
                                                 {PageENC, "enc"}, {PageVMEffect, "vmeffect"},
                                                 {PageLED, "led"}};
    for (const auto& [page, name] : pages) {
        form->ChangePage(page);
        settle();
        const std::string file = output + "/desktop-" + name + ".png";
        if (!ui::grabScreen(form->windowRect()).savePng(file)) {
            std::fprintf(stderr, "panel_desktop_shots: could not save %s\n", file.c_str());
            return 1;
        }
    }
    // The window's own input: press on the 300 Hz knob and move up, as the desktop would report it.
    form->ChangePage(PageEQ);
    std::string error;
    const auto knob = forms::locateControl("EQ300HzSliderImage", error);
    if (!knob) {
        std::fprintf(stderr, "panel_desktop_shots: %s\n", error.c_str());
        return 1;
    }
    const ui::Point held{knob->point.x, knob->point.y - 70};
    ui::SendMessage(form.get(), ui::WM_MOUSEMOVE, 0, ui::pointParam(knob->point));
    ui::SendMessage(form.get(), ui::WM_LBUTTONDOWN, ui::MK_LBUTTON, ui::pointParam(knob->point));
    ui::SendMessage(form.get(), ui::WM_MOUSEMOVE, ui::MK_LBUTTON, ui::pointParam(held));
    settle();
    const std::string file = output + "/desktop-eq-drag.png";
    const bool saved = ui::grabScreen(form->windowRect()).savePng(file);
    ui::SendMessage(form.get(), ui::WM_LBUTTONUP, 0, ui::pointParam(held));
    if (!saved) {
        std::fprintf(stderr, "panel_desktop_shots: could not save %s\n", file.c_str());
        return 1;
    }
    form.reset();
    return 0;
}
