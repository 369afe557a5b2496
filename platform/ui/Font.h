#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/ui/Types.h"

namespace ui {

namespace detail {
struct FontData;
}

inline constexpr int FW_DONTCARE = 0;
inline constexpr int FW_NORMAL = 400;
inline constexpr int FW_SEMIBOLD = 600;
inline constexpr int FW_BOLD = 700;

// A font as the windows ask for it. height < 0: character height in pixels;
// height > 0: cell height (ascent + descent); 0: a default height (derived
// from the width when one is given). width 0: the face's own proportions,
// otherwise the average character width. Faces that are not installed, "宋体"
// among them, are replaced by an installed CJK face.
struct FontSpec {
    int height = 0;
    int width = 0;
    int weight = FW_NORMAL;
    std::string face;
    bool italic = false;
    bool underline = false;
};

class Font {
public:
    Font();
    explicit Font(const FontSpec& spec);
    ~Font();
    Font(const Font& other);
    Font& operator=(const Font& other);
    Font(Font&& other) noexcept;
    Font& operator=(Font&& other) noexcept;

    const FontSpec& spec() const;
    Size textExtent(std::string_view text) const;
    int lineHeight() const;
    int ascent() const;  // from the top of a line to its base line
    // The installed family that draws this font.
    std::string family() const;

    const detail::FontData& data() const { return *d_; }

private:
    std::unique_ptr<detail::FontData> d_;
};

// The stock GUI font ("MS Shell Dlg", 8 points at the logical resolution).
FontSpec defaultGuiFont();
// Logical pixels per inch of the screen (96).
int logicalPixelsPerInch();

}  // namespace ui
