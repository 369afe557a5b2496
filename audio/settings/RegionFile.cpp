#include "audio/settings/RegionFile.h"

#include <algorithm>
#include <cstdint>

#include "platform/core/AtomicFile.h"

namespace {

constexpr std::uint32_t kHeaderSize = 32;
constexpr std::uint32_t kRectanglesType = 1;
constexpr std::size_t kRectSize = 16;

std::int32_t readInt32(std::string_view bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
    }
    return static_cast<std::int32_t>(value);
}

ui::Rect readRect(std::string_view bytes, std::size_t offset) {
    return {readInt32(bytes, offset), readInt32(bytes, offset + 4), readInt32(bytes, offset + 8),
            readInt32(bytes, offset + 12)};
}

void appendInt32(std::string& out, std::int32_t value) {
    auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) {
        out += static_cast<char>((bits >> (8 * i)) & 0xFF);
    }
}

bool boundsInRange(const ui::Rect& r) {
    return r.left >= 0 && r.top >= 0 && r.right <= kRegionCoordinateLimit && r.bottom <= kRegionCoordinateLimit &&
           !r.isEmpty();
}

bool inside(const ui::Rect& r, const ui::Rect& bounds) {
    return r.left >= bounds.left && r.top >= bounds.top && r.right <= bounds.right && r.bottom <= bounds.bottom &&
           r.left <= r.right && r.top <= r.bottom;
}

}  // namespace

std::optional<RegionFileData> ParseRegionData(std::string_view bytes) {
    if (bytes.size() < kHeaderSize || static_cast<std::uint32_t>(readInt32(bytes, 0)) != kHeaderSize ||
        static_cast<std::uint32_t>(readInt32(bytes, 4)) != kRectanglesType) {
        return std::nullopt;
    }
    auto count = static_cast<std::uint32_t>(readInt32(bytes, 8));
    if (count > (bytes.size() - kHeaderSize) / kRectSize) {
        return std::nullopt;
    }
    RegionFileData region;
    region.m_bounds = readRect(bytes, 16);
    if (!boundsInRange(region.m_bounds)) {
        return std::nullopt;
    }
    region.m_rects.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        ui::Rect rect = readRect(bytes, kHeaderSize + i * kRectSize);
        if (!inside(rect, region.m_bounds)) {
            return std::nullopt;
        }
        if (!rect.isEmpty()) {  // adds nothing to the outline
            region.m_rects.push_back(rect);
        }
    }
    return region;
}

std::optional<RegionFileData> ReadRegionFile(const std::string& path) {
    std::optional<std::string> bytes = core::readWholeFile(path);
    if (!bytes) {
        return std::nullopt;
    }
    return ParseRegionData(*bytes);
}

std::string RegionFileBytes(const std::vector<ui::Rect>& rects) {
    ui::Rect bounds;
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const ui::Rect& r = rects[i];
        bounds = i == 0 ? r
                        : ui::Rect{std::min(bounds.left, r.left), std::min(bounds.top, r.top),
                                   std::max(bounds.right, r.right), std::max(bounds.bottom, r.bottom)};
    }
    std::string out;
    appendInt32(out, static_cast<std::int32_t>(kHeaderSize));
    appendInt32(out, static_cast<std::int32_t>(kRectanglesType));
    appendInt32(out, static_cast<std::int32_t>(rects.size()));
    appendInt32(out, static_cast<std::int32_t>(rects.size() * kRectSize));
    for (int v : {bounds.left, bounds.top, bounds.right, bounds.bottom}) {
        appendInt32(out, v);
    }
    for (const ui::Rect& r : rects) {
        for (int v : {r.left, r.top, r.right, r.bottom}) {
            appendInt32(out, v);
        }
    }
    return out;
}
