#include "platform/scenario/ProgramAdapter.h"

#include "platform/ui/Window.h"
#include "platform/ui/headless/Driver.h"

namespace scenario {

std::optional<NamedControl> ProgramAdapter::namedControl(const std::string& name, std::string& whyNot) {
    whyNot = "\"" + name + "\" is neither a control id nor x,y";
    return std::nullopt;
}

std::optional<ui::UINT> ProgramAdapter::menuCommand(const std::string&) {
    return std::nullopt;
}

std::pair<std::string, std::string> ProgramAdapter::describeDialog(ui::Window& dialog) {
    return {dialog.title(), {}};
}

ui::Window* ProgramAdapter::namedWindow(const std::string& name, std::string& whyNot) {
    whyNot = "there is no window " + name;
    return nullptr;
}

bool ProgramAdapter::saveWindowPicture(ui::headless::Driver& driver, ui::Window& window,
                                       const std::string& path) {
    return driver.saveSurface(window, path);
}

}  // namespace scenario
