#include "platform/scenario/ProgramAdapter.h"

#include "platform/ui/Window.h"
#include "platform/ui/headless/Driver.h"

namespace scenario {

std::pair<std::string, std::string> ProgramAdapter::describeDialog(ui::Window& dialog) {
    return {dialog.title(), {}};
}

bool ProgramAdapter::saveWindowPicture(ui::headless::Driver& driver, ui::Window& window,
                                       const std::string& path) {
    return driver.saveSurface(window, path);
}

}  // namespace scenario
