#include "audio/startup/PanelSwitches.h"

#include "platform/core/DebugOutput.h"

namespace {

// Only ASCII letters change; other bytes of a UTF-8 argument stay as they are.
std::string lowerCase(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

void logArgument(std::size_t index, const std::string& argument) {
    core::debugOutput("ParamStr(" + std::to_string(index) + ") = " + argument + "\n");
}

}  // namespace

PanelSwitch ParsePanelSwitches(const std::vector<std::string>& arguments) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        logArgument(i, arguments[i]);
    }
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        if (arguments[i].empty()) {
            continue;
        }
        std::string argument = lowerCase(arguments[i]);
        core::debugOutput(argument);
        if (argument == "-boot") {
            return PanelSwitch::Boot;
        }
        if (argument == "-servicestart") {
            return PanelSwitch::ServiceStart;
        }
        if (argument == "-serviceboot") {
            return PanelSwitch::ServiceBoot;
        }
    }
    return PanelSwitch::None;
}
