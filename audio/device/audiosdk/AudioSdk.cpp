#include "audio/device/audiosdk/AudioSdk.h"

#include <dlfcn.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "platform/core/DebugOutput.h"
#include "platform/core/Path.h"
#include "platform/ui/MessageBox.h"

namespace {

// As the other platform's loader does for a bare name: the program's own
// folder first, then the system's search (here the library path).
void* LoadLibrary(const std::string& programFolder, const std::string& fileName) {
    std::string beside = core::joinPath(programFolder, fileName);
    std::error_code ignored;
    if (std::filesystem::exists(beside, ignored)) {
        if (void* library = ::dlopen(beside.c_str(), RTLD_NOW | RTLD_LOCAL)) {
            return library;
        }
    }
    return ::dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
}

template <typename Function>
bool Bind(void* library, const char* name, Function& slot) {
    slot = reinterpret_cast<Function>(::dlsym(library, name));
    return slot != nullptr;
}

}  // namespace

AudioSdk::~AudioSdk() {
    if (m_hLibrary) {
        ::dlclose(m_hLibrary);
    }
}

int Open_DLLQ9_Sonvair16xx(AudioSdk& sdk, const std::string& programFolder, const std::string& fileName) {
    errno = 0;
    void* library = LoadLibrary(programFolder, fileName);
    if (!library) {
        int code = errno;
        const char* reason = ::dlerror();
        char text[1024];
        std::snprintf(text, sizeof text, "error %d: %s", code, reason ? reason : "");
        ui::messageBox(nullptr, text, "Error", ui::MB_OK);
        return 1;
    }
    sdk.m_hLibrary = library;
    int place = 0;
#define AUDIO_SDK_BIND(name, ...)                     \
    ++place;                                          \
    if (!Bind(library, #name, sdk.fn##name)) {        \
        core::debugOutput("***** " #name " *****\n"); \
        return place + 1;                             \
    }
    AUDIO_SDK_ENTRY_POINTS(AUDIO_SDK_BIND)
#undef AUDIO_SDK_BIND
    return 0;
}
