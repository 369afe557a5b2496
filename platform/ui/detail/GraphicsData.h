#pragma once

#include <QFont>
#include <QImage>
#include <QRegion>

#include "platform/ui/Font.h"

namespace ui::detail {

struct RegionData {
    QRegion region;
};

// Every picture is kept premultiplied so that painting and copying stay fast.
inline constexpr QImage::Format kImageFormat = QImage::Format_ARGB32_Premultiplied;

struct ImageData {
    QImage image;
};

struct FontData {
    FontSpec spec;
    QFont font;
};

}  // namespace ui::detail
