// Profile files come from other machines: any content loads or is replaced by
// the defaults, and what loads is written back and reads the same again.
#include "FuzzFolder.h"
#include "keyboard/model/ProfileFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzFolder folder;
    AppSettings settings(folder.path());
    settings.SetDefaults();
    folder.write("config/default0.psf", data, size);
    ProfileRecords profiles(settings);
    profiles.LoadProfile(0);
    ProfileRecord loaded = profiles.Record(0);
    FUZZ_CHECK(profiles.SaveProfile(0));
    ProfileRecords again(settings);
    FUZZ_CHECK(again.LoadProfile(0) && again.Record(0) == loaded);
    return 0;
}
