#include "platform/scenario/ProgramAdapter.h"

#include "platform/ui/Window.h"

namespace scenario {

std::pair<std::string, std::string> ProgramAdapter::describeDialog(ui::Window& dialog) {
    return {dialog.title(), {}};
}

}  // namespace scenario
