#pragma once

#include <QFont>
#include <QImage>
#include <QRegion>

#include <optional>

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

// The face for a font description, matched once per description (Font.cpp).
QFont matchedFont(const FontSpec& spec);

struct FontData {
    FontSpec spec;
    // Matched on first use: matching starts the system's font set-up, which a
    // window that shows no text yet need not wait for.
    mutable std::optional<QFont> matched;
    const QFont& font() const {
        if (!matched) {
            matched = matchedFont(spec);
        }
        return *matched;
    }
};

}  // namespace ui::detail
