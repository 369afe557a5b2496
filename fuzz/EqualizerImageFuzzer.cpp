// EEPROM images as the headset hands them over: any 16 bytes at any offset
// of any buffer unpack within bounds, and what unpacks packs back to the same
// bytes (the mode bits of byte 15 and bytes 8 to 13 aside, which are not read).
#include <vector>

#include "FuzzInput.h"
#include "audio/device/EqualizerImage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        FUZZ_CHECK(!EqualizerImage::Unpack({}, 0));
        return 0;
    }
    std::size_t offset = data[0];
    std::span<const std::uint8_t> buffer(data + 1, size - 1);
    auto image = EqualizerImage::Unpack(buffer, offset);
    FUZZ_CHECK(image.has_value() == (offset + EqualizerImage::kSize <= buffer.size()));
    if (!image) {
        return 0;
    }
    for (std::uint16_t gain : image->m_wGain) {
        FUZZ_CHECK(gain < 4096);
    }
    std::vector<std::uint8_t> packed(buffer.size(), 0);
    FUZZ_CHECK(image->Pack(packed, offset));
    for (std::size_t i : {0u, 1u, 2u, 3u, 4u, 5u, 6u, 7u, 14u}) {
        FUZZ_CHECK(packed[offset + i] == buffer[offset + i]);
    }
    FUZZ_CHECK((packed[offset + 15] & 0x80) == (buffer[offset + 15] & 0x80));
    return 0;
}
