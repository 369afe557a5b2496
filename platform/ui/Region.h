#pragma once

#include <memory>
#include <vector>

#include "platform/ui/Types.h"

namespace ui {

namespace detail {
struct RegionData;
}

// A set of pixels made of rectangles (window shapes, invalid areas, clipping).
class Region {
public:
    Region();
    explicit Region(const Rect& rect);
    // From rectangles sorted by top, then left, that do not overlap and share
    // their top and bottom with those of the same row (as a scan gives them).
    static Region fromSortedRows(const std::vector<Rect>& rects);
    ~Region();
    Region(const Region& other);
    Region& operator=(const Region& other);
    Region(Region&& other) noexcept;
    Region& operator=(Region&& other) noexcept;

    void unite(const Rect& rect);
    void unite(const Region& other);
    void intersect(const Rect& rect);
    void offset(int dx, int dy);

    bool isEmpty() const;
    bool contains(Point point) const;
    bool intersects(const Rect& rect) const;
    Rect bounds() const;
    std::vector<Rect> rects() const;
    friend bool operator==(const Region& a, const Region& b);

    const detail::RegionData& data() const { return *d_; }

private:
    std::unique_ptr<detail::RegionData> d_;
};

}  // namespace ui
