// Skin descriptions are the part of a skin that users make themselves.
#include <cstdint>

#include "FuzzInput.h"
#include "support/TempFolder.h"
#include "audio/settings/EConvertError.h"
#include "audio/settings/SkinSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TempFolder folder;
    folder.write("SkinSetting.ini", AsText(data, size));
    SkinSettings skin;
    for (int oldVersion : {0, 1}) {
        try {
            skin.Load(folder.file("SkinSetting.ini"), folder.file("SkinSetting.ini"), oldVersion);
            ReadSwatchShapes(folder.file("SkinSetting.ini"), folder.file("SkinSetting.ini"));
        } catch (const EConvertError&) {
            // A malformed geometry value is the skin's error, reported as such.
        }
        for (const ImageSetting& image : skin.Images()) {
            FUZZ_CHECK(image.m_strFileName.size() <= 4 * kImageFileNameCharacters);
        }
    }
    return 0;
}
