#include "platform/ui/Region.h"

#include "platform/ui/detail/GraphicsData.h"
#include "platform/ui/detail/QtConvert.h"

namespace ui {

Region::Region() : d_(std::make_unique<detail::RegionData>()) {}
Region::Region(const Rect& rect) : Region() {
    unite(rect);
}
Region Region::fromSortedRows(const std::vector<Rect>& rects) {
    std::vector<QRect> converted;
    converted.reserve(rects.size());
    for (const Rect& rect : rects) {
        if (!rect.isEmpty()) {
            converted.push_back(detail::toQRect(rect));
        }
    }
    Region region;
    region.d_->region.setRects(converted.data(), static_cast<int>(converted.size()));
    return region;
}

Region::~Region() = default;
Region::Region(const Region& other) : d_(std::make_unique<detail::RegionData>(*other.d_)) {}
Region& Region::operator=(const Region& other) {
    *d_ = *other.d_;
    return *this;
}
Region::Region(Region&& other) noexcept : d_(std::make_unique<detail::RegionData>()) {
    d_->region.swap(other.d_->region);
}
Region& Region::operator=(Region&& other) noexcept {
    d_->region.swap(other.d_->region);
    return *this;
}

void Region::unite(const Rect& rect) {
    if (!rect.isEmpty()) {
        d_->region += detail::toQRect(rect);
    }
}
void Region::unite(const Region& other) {
    d_->region += other.d_->region;
}
void Region::intersect(const Rect& rect) {
    d_->region &= detail::toQRect(rect);
}
void Region::offset(int dx, int dy) {
    d_->region.translate(dx, dy);
}

bool Region::isEmpty() const {
    return d_->region.isEmpty();
}
bool Region::contains(Point point) const {
    return d_->region.contains(QPoint(point.x, point.y));
}
bool Region::intersects(const Rect& rect) const {
    return !rect.isEmpty() && d_->region.intersects(detail::toQRect(rect));
}
Rect Region::bounds() const {
    return isEmpty() ? Rect{} : detail::fromQRect(d_->region.boundingRect());
}

std::vector<Rect> Region::rects() const {
    std::vector<Rect> result;
    for (const QRect& rect : d_->region) {
        result.push_back(detail::fromQRect(rect));
    }
    return result;
}

bool operator==(const Region& a, const Region& b) {
    return a.d_->region == b.d_->region;
}

}  // namespace ui
