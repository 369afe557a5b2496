#pragma once

#include <memory>
#include <string_view>

#include "platform/ui/Font.h"
#include "platform/ui/Image.h"
#include "platform/ui/Region.h"
#include "platform/ui/Types.h"

namespace ui {

namespace detail {
struct PainterData;
}

// Text formats (combinable).
inline constexpr unsigned DT_LEFT = 0x0000;
inline constexpr unsigned DT_TOP = 0x0000;
inline constexpr unsigned DT_CENTER = 0x0001;
inline constexpr unsigned DT_RIGHT = 0x0002;
inline constexpr unsigned DT_VCENTER = 0x0004;
inline constexpr unsigned DT_BOTTOM = 0x0008;
inline constexpr unsigned DT_WORDBREAK = 0x0010;
inline constexpr unsigned DT_SINGLELINE = 0x0020;
inline constexpr unsigned DT_NOCLIP = 0x0100;
inline constexpr unsigned DT_NOPREFIX = 0x0800;
inline constexpr unsigned DT_END_ELLIPSIS = 0x8000;
inline constexpr unsigned DT_WORD_ELLIPSIS = 0x40000;

enum class BkMode { transparent, opaque };
enum class PenStyle { solid, dash, dot, none };

struct Pen {
    COLORREF color = 0;
    int width = 1;
    PenStyle style = PenStyle::solid;
};

// Drawing into an Image: a window's surface, a memory bitmap or a loaded picture.
// Knows nothing of windows, so drawing is checked by reading pixels.
class DeviceContext {
public:
    explicit DeviceContext(Image& target);
    virtual ~DeviceContext();
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    Image& image() { return *target_; }
    const Image& image() const { return *target_; }
    int width() const { return target_->width(); }
    int height() const { return target_->height(); }

    COLORREF setTextColor(COLORREF color);  // each setter returns the previous value
    COLORREF setBkColor(COLORREF color);
    BkMode setBkMode(BkMode mode);
    Font setFont(const Font& font);
    const Font& font() const;
    Pen setPen(const Pen& pen);

    void setClipRect(const Rect& rect);
    void setClipRegion(const Region& region);
    void clearClip();
    Rect clipBox() const;

    void fillRect(const Rect& rect, COLORREF color);
    void frameRect(const Rect& rect, COLORREF color);  // one-pixel outline inside the rectangle
    void moveTo(int x, int y);
    void lineTo(int x, int y);  // with the pen; the end point itself is not drawn

    // The source part of the picture, scaled to the destination, blended by its alpha.
    void drawImage(const Image& picture, const Rect& destination, const Rect& source);
    void drawImage(const Image& picture, int x, int y);  // natural size

    // Pixel copies (alpha included); stretching picks the nearest pixel.
    // False when a size is below 1.
    bool bitBlt(const Rect& destination, const Image& source, Point sourceOrigin);
    bool stretchBlt(const Rect& destination, const Image& source, const Rect& sourceRect);
    // As stretchBlt, leaving out every source pixel whose colour equals the key.
    bool transparentBlit(const Rect& destination, const Image& source, const Rect& sourceRect, COLORREF key);
    bool bitBlt(const Rect& destination, const DeviceContext& source, Point sourceOrigin) {
        return bitBlt(destination, source.image(), sourceOrigin);
    }
    bool stretchBlt(const Rect& destination, const DeviceContext& source, const Rect& sourceRect) {
        return stretchBlt(destination, source.image(), sourceRect);
    }
    bool transparentBlit(const Rect& destination, const DeviceContext& source, const Rect& sourceRect,
                         COLORREF key) {
        return transparentBlit(destination, source.image(), sourceRect, key);
    }

    // UTF-8 text in the rectangle with DT_* formats; returns the text's height.
    // "&" marks a mnemonic and is not drawn ("&&" draws one) unless DT_NOPREFIX.
    int drawText(std::string_view text, const Rect& rect, unsigned format);
    void textOut(int x, int y, std::string_view text);
    Size textExtent(std::string_view text) const;

    COLORREF getPixel(int x, int y) const;
    void setPixel(int x, int y, COLORREF color);

protected:
    // Ends drawing before a derived class lets go of the target.
    void finishPainting();

private:
    Image* target_;
    std::unique_ptr<detail::PainterData> p_;
};

// A device context over a bitmap of its own.
class MemoryDC : public DeviceContext {
public:
    MemoryDC(int width, int height, Argb fill = 0xFF000000u);
    explicit MemoryDC(Image picture);
    ~MemoryDC() override;

private:
    struct Holder {
        Image image;
    };
    explicit MemoryDC(std::unique_ptr<Holder> holder);
    std::unique_ptr<Holder> holder_;
};

}  // namespace ui
