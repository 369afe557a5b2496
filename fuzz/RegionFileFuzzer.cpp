// A region file decides the window's size and outline; it must never be read past its end.
#include <cstdint>
#include <string_view>

#include "audio/settings/RegionFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::optional<RegionFileData> region = ParseRegionData(bytes);
    if (region) {
        const ui::Rect& bounds = region->m_bounds;
        if (bounds.right > kRegionCoordinateLimit || bounds.bottom > kRegionCoordinateLimit || bounds.isEmpty() ||
            region->m_rects.size() * 16 + 32 > size) {
            __builtin_trap();
        }
        // What was read writes back to the same rectangles.
        std::optional<RegionFileData> again = ParseRegionData(RegionFileBytes(region->m_rects));
        if (!region->m_rects.empty() && (!again || again->m_rects != region->m_rects)) {
            __builtin_trap();
        }
    }
    return 0;
}
