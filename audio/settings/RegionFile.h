#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/Types.h"

// A window outline as the platform's region data stores it: a 32-byte header
// (header size 32, type 1, rectangle count, buffer size, bounding rectangle)
// followed by the rectangles, every field 32-bit little-endian.
struct RegionFileData {
    ui::Rect m_bounds;
    std::vector<ui::Rect> m_rects;
};

// Window sizes beyond this are no outline anyone drew.
constexpr int kRegionCoordinateLimit = 16384;

// The outline in `bytes`, or nullopt when they are not one: a short or wrong
// header, more rectangles than the bytes hold, a bounding rectangle outside
// 0..kRegionCoordinateLimit or empty, or a rectangle outside the bounds.
// Empty rectangles are left out.
std::optional<RegionFileData> ParseRegionData(std::string_view bytes);

// ParseRegionData of a whole file; nullopt also when it cannot be read.
std::optional<RegionFileData> ReadRegionFile(const std::string& path);

// The bytes of a region file for `rects`, with their bounding rectangle.
std::string RegionFileBytes(const std::vector<ui::Rect>& rects);
