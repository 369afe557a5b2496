#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/ui/Types.h"

namespace ui {

namespace detail {
struct ImageData;
}

// Pictures embedded in the program by numeric id: PNG strips at ":/res/png/<id>.png",
// bitmaps at ":/res/bmp/<id>.bmp", or either as the layer's pixel file beside
// them (<id>.pixels, platform/ui/PixelFile.h), which is taken first.
enum class ResourceKind { png, bitmap };
bool resourceExists(ResourceKind kind, int id);

// A picture of ARGB pixels: loaded images, memory bitmaps and window surfaces.
// A null image (missing resource, undecodable bytes) has size 0 and draws nothing.
class Image {
public:
    Image();
    Image(int width, int height, Argb fill = 0xFF000000u);
    ~Image();
    Image(const Image& other);
    Image& operator=(const Image& other);
    Image(Image&& other) noexcept;
    Image& operator=(Image&& other) noexcept;

    static Image fromPngResource(int id);
    static Image fromBitmapResource(int id);
    static Image fromFile(const std::string& path);
    // The size fromFile would give, read from the file's header without
    // decoding it; nullopt when no reader takes the file or its header gives none.
    static std::optional<Size> sizeOfFile(const std::string& path);
    static Image fromBytes(std::string_view bytes);
    bool savePng(const std::string& path) const;

    bool isNull() const;
    int width() const;
    int height() const;
    Size size() const { return {width(), height()}; }

    Argb pixel(int x, int y) const;  // 0 outside the picture
    // Row y as stored, premultiplied (the same as pixel() for opaque pixels);
    // for whole-picture scans. Empty outside the picture.
    std::span<const Argb> row(int y) const;
    void setPixel(int x, int y, Argb argb);
    void fill(Argb argb);
    Image copy(const Rect& rect) const;
    bool samePixels(const Image& other) const;

    detail::ImageData& data() { return *d_; }
    const detail::ImageData& data() const { return *d_; }

private:
    std::unique_ptr<detail::ImageData> d_;
};

}  // namespace ui
