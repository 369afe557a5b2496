// config.ini: any content loads or becomes the defaults, and the current
// profile is always one the program has.
#include "FuzzInput.h"
#include "keyboard/model/AppSettings.h"
#include "support/TempFolder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TempFolder folder;
    folder.write("config/config.ini", AsText(data, size));
    AppSettings settings(folder.path());
    settings.LoadAppSettings();
    int profile = settings.CurrentProfile();
    FUZZ_CHECK(profile >= 0 && profile < AppSettings::kProfiles);
    for (int slot = 0; slot < AppSettings::kProfiles; ++slot) {
        (void)settings.ProfileSlotPath(slot);
    }
    return 0;
}
