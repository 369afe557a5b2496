// AudioDeviceService: listens on its socket in the user's runtime folder and
// opens the headset panel when the panel's service-control run asks.
#include <cstdio>
#include <string>
#include <vector>

#include "audio/service/AudioDeviceService.h"
#include "platform/core/Path.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/TerminationSignals.h"
#include "platform/service/LocalServices.h"

namespace {

constexpr const char* kUsage = "usage: audio-device-service [--panel PROGRAM]\n";

std::string selfPath() {
    return core::joinPath(core::executableFolder(), "audio-device-service");
}

}  // namespace

int main(int argc, char** argv) {
    std::string panel = core::joinPath(core::executableFolder(), "sonvair-app");
    for (int i = 1; i < argc; ++i) {
        std::string argument = argv[i];
        if (argument == "--panel" && i + 1 < argc) {
            panel = argv[++i];
        } else {
            std::fputs(kUsage, stderr);
            return 2;
        }
    }

    // Asked to start again later, the service runs with the same options.
    std::vector<std::string> commandLine{selfPath()};
    commandLine.insert(commandLine.end(), argv + 1, argv + argc);
    service::LocalServiceHost host(AudioDeviceService::kName, commandLine);
    if (!host.listening()) {
        std::fprintf(stderr,
                     "audio-device-service: %s is running already or its socket cannot be made in %s\n",
                     AudioDeviceService::kName, service::localServiceFolder().c_str());
        return 1;
    }
    core::TerminationSignals signals([&host](int) { host.stop(); });
    AudioDeviceService deviceService(panel);
    host.serve([&deviceService](int code) { deviceService.HandleControl(code); });
    return 0;
}
