// Profile files come from other machines: any content loads or is replaced by
// the defaults, and what is written reads back and writes the same again.
#include "FuzzInput.h"
#include "keyboard/model/ProfileFiles.h"
#include "platform/core/AtomicFile.h"
#include "support/TempFolder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TempFolder folder;
    AppSettings settings(folder.path());
    settings.SetDefaults();
    folder.write("config/default0.psf", AsText(data, size));
    ProfileRecords profiles(settings);
    profiles.LoadProfile(0);
    FUZZ_CHECK(profiles.SaveProfile(0));
    const auto written = core::readWholeFile(folder.file("config/default0.psf"));
    // What the program writes always reads back, and writes the same bytes again
    // (a line break inside a value is written as a space the first time).
    ProfileRecords again(settings);
    FUZZ_CHECK(again.LoadProfile(0));
    FUZZ_CHECK(again.SaveProfile(0));
    FUZZ_CHECK(core::readWholeFile(folder.file("config/default0.psf")) == written);
    return 0;
}
