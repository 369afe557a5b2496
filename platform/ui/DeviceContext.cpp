#include "platform/ui/DeviceContext.h"

#include <QFontMetrics>
#include <QPainter>

#include <cstdlib>
#include <optional>

#include "platform/ui/detail/GraphicsData.h"
#include "platform/ui/detail/QtConvert.h"

namespace ui {

namespace detail {

struct PainterData {
    QPainter painter;
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    BkMode bkMode = BkMode::opaque;
    Font font;
    Pen pen;
    Point position;
    std::optional<QRegion> clip;
};

}  // namespace detail

namespace {

// "&x" marks a mnemonic: the "&" is not drawn, "&&" draws one.
QString withoutPrefixes(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) {
            ++i;
        } else if (text[i] == u'&') {
            continue;
        }
        result += text[i];
    }
    return result;
}

int qtAlignment(unsigned format) {
    int flags = 0;
    if (format & DT_CENTER) {
        flags |= Qt::AlignHCenter;
    } else if (format & DT_RIGHT) {
        flags |= Qt::AlignRight;
    } else {
        flags |= Qt::AlignLeft;
    }
    if ((format & DT_SINGLELINE) && (format & DT_VCENTER)) {
        flags |= Qt::AlignVCenter;
    } else if ((format & DT_SINGLELINE) && (format & DT_BOTTOM)) {
        flags |= Qt::AlignBottom;
    } else {
        flags |= Qt::AlignTop;
    }
    if (format & DT_SINGLELINE) {
        flags |= Qt::TextSingleLine;
    } else if (format & DT_WORDBREAK) {
        flags |= Qt::TextWordWrap;
    }
    if (format & DT_NOCLIP) {
        flags |= Qt::TextDontClip;
    }
    return flags;
}

bool validSizes(const Rect& destination, const Rect& source) {
    return destination.width() >= 1 && destination.height() >= 1 && source.width() >= 1 &&
           source.height() >= 1;
}

// Nearest-pixel copy of the source part with key-coloured pixels made fully transparent.
QImage keyedCopy(const QImage& source, const Rect& sourceRect, int width, int height, COLORREF key) {
    QImage result(width, height, detail::kImageFormat);
    result.fill(Qt::transparent);
    const QRgb keyRgb = argbOf(key) & 0x00FFFFFFu;
    for (int y = 0; y < height; ++y) {
        const int sy =
            sourceRect.top + static_cast<int>(static_cast<long long>(y) * sourceRect.height() / height);
        if (sy < 0 || sy >= source.height()) {
            continue;
        }
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(sy));
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int sx =
                sourceRect.left + static_cast<int>(static_cast<long long>(x) * sourceRect.width() / width);
            if (sx < 0 || sx >= source.width()) {
                continue;
            }
            // The key compares the stored colour bits, as a bitmap's raw pixels do.
            if ((in[sx] & 0x00FFFFFFu) != keyRgb) {
                out[x] = in[sx] | 0xFF000000u;
            }
        }
    }
    return result;
}

}  // namespace

DeviceContext::DeviceContext(Image& target) : target_(&target), p_(std::make_unique<detail::PainterData>()) {
    if (!target.isNull()) {
        p_->painter.begin(&target.data().image);
    }
}

DeviceContext::~DeviceContext() {
    finishPainting();
}

void DeviceContext::finishPainting() {
    if (p_->painter.isActive()) {
        p_->painter.end();
    }
}

COLORREF DeviceContext::setTextColor(COLORREF color) {
    return std::exchange(p_->textColor, color);
}
COLORREF DeviceContext::setBkColor(COLORREF color) {
    return std::exchange(p_->bkColor, color);
}
BkMode DeviceContext::setBkMode(BkMode mode) {
    return std::exchange(p_->bkMode, mode);
}
Font DeviceContext::setFont(const Font& font) {
    return std::exchange(p_->font, font);
}
const Font& DeviceContext::font() const {
    return p_->font;
}
Pen DeviceContext::setPen(const Pen& pen) {
    return std::exchange(p_->pen, pen);
}

void DeviceContext::setClipRect(const Rect& rect) {
    p_->clip = QRegion(detail::toQRect(rect));
}
void DeviceContext::setClipRegion(const Region& region) {
    p_->clip = region.data().region;
}
void DeviceContext::clearClip() {
    p_->clip.reset();
}
Rect DeviceContext::clipBox() const {
    const Rect whole{0, 0, width(), height()};
    return p_->clip ? detail::fromQRect(p_->clip->boundingRect()).intersected(whole) : whole;
}

namespace {
// Applies the clip and a plain composition before each operation.
QPainter* prepared(detail::PainterData& p, QPainter::CompositionMode mode) {
    if (!p.painter.isActive()) {
        return nullptr;
    }
    if (p.clip) {
        p.painter.setClipRegion(*p.clip);
    } else {
        p.painter.setClipping(false);
    }
    p.painter.setCompositionMode(mode);
    p.painter.setRenderHint(QPainter::Antialiasing, false);
    p.painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    return &p.painter;
}
}  // namespace

void DeviceContext::fillRect(const Rect& rect, COLORREF color) {
    if (QPainter* painter = prepared(*p_, QPainter::CompositionMode_Source)) {
        painter->fillRect(detail::toQRect(rect), detail::toQColor(color));
    }
}

void DeviceContext::frameRect(const Rect& rect, COLORREF color) {
    if (rect.isEmpty()) {
        return;
    }
    fillRect({rect.left, rect.top, rect.right, rect.top + 1}, color);
    fillRect({rect.left, rect.bottom - 1, rect.right, rect.bottom}, color);
    fillRect({rect.left, rect.top, rect.left + 1, rect.bottom}, color);
    fillRect({rect.right - 1, rect.top, rect.right, rect.bottom}, color);
}

void DeviceContext::moveTo(int x, int y) {
    p_->position = {x, y};
}

void DeviceContext::lineTo(int x, int y) {
    const Point from = p_->position;
    p_->position = {x, y};
    if (p_->pen.style == PenStyle::none) {
        return;
    }
    // Bresenham's walk, leaving out the end point as line drawing on the desktop does.
    const int width = std::max(1, p_->pen.width);
    const int dx = std::abs(x - from.x);
    const int dy = -std::abs(y - from.y);
    const int sx = from.x < x ? 1 : -1;
    const int sy = from.y < y ? 1 : -1;
    int error = dx + dy;
    Point at = from;
    for (int step = 0; at.x != x || at.y != y; ++step) {
        const bool dashGap = (p_->pen.style == PenStyle::dash && step % 6 >= 4) ||
                             (p_->pen.style == PenStyle::dot && step % 2 == 1);
        if (!dashGap) {
            fillRect(rectAt(at.x - (width - 1) / 2, at.y - (width - 1) / 2, width, width), p_->pen.color);
        }
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            at.x += sx;
        }
        if (doubled <= dx) {
            error += dx;
            at.y += sy;
        }
    }
}

void DeviceContext::drawImage(const Image& picture, const Rect& destination, const Rect& source) {
    if (picture.isNull() || !validSizes(destination, source)) {
        return;
    }
    if (QPainter* painter = prepared(*p_, QPainter::CompositionMode_SourceOver)) {
        painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter->drawImage(detail::toQRect(destination), picture.data().image, detail::toQRect(source));
    }
}

void DeviceContext::drawImage(const Image& picture, int x, int y) {
    drawImage(picture, rectAt(x, y, picture.width(), picture.height()),
              {0, 0, picture.width(), picture.height()});
}

bool DeviceContext::bitBlt(const Rect& destination, const Image& source, Point sourceOrigin) {
    return stretchBlt(destination, source,
                      rectAt(sourceOrigin.x, sourceOrigin.y, destination.width(), destination.height()));
}

bool DeviceContext::stretchBlt(const Rect& destination, const Image& source, const Rect& sourceRect) {
    if (!validSizes(destination, sourceRect) || source.isNull()) {
        return false;
    }
    if (QPainter* painter = prepared(*p_, QPainter::CompositionMode_Source)) {
        painter->drawImage(detail::toQRect(destination), source.data().image, detail::toQRect(sourceRect));
    }
    return true;
}

bool DeviceContext::transparentBlit(const Rect& destination, const Image& source, const Rect& sourceRect,
                                    COLORREF key) {
    if (!validSizes(destination, sourceRect) || source.isNull()) {
        return false;
    }
    const QImage keyed =
        keyedCopy(source.data().image, sourceRect, destination.width(), destination.height(), key);
    if (QPainter* painter = prepared(*p_, QPainter::CompositionMode_SourceOver)) {
        painter->drawImage(destination.left, destination.top, keyed);
    }
    return true;
}

int DeviceContext::drawText(std::string_view text, const Rect& rect, unsigned format) {
    QString shown = detail::toQString(text);
    if (!(format & DT_NOPREFIX)) {
        shown = withoutPrefixes(shown);
    }
    const QFont& qfont = p_->font.data().font();
    const QFontMetrics metrics(qfont);
    if ((format & DT_SINGLELINE) && (format & (DT_WORD_ELLIPSIS | DT_END_ELLIPSIS))) {
        shown = metrics.elidedText(shown, Qt::ElideRight, std::max(0, rect.width()));
    }
    const int flags = qtAlignment(format);
    const QRect bounds = metrics.boundingRect(detail::toQRect(rect), flags, shown);
    QPainter* painter = prepared(*p_, QPainter::CompositionMode_SourceOver);
    if (painter == nullptr) {
        return bounds.height();
    }
    if (p_->bkMode == BkMode::opaque) {
        painter->fillRect(bounds.intersected(detail::toQRect(rect)), detail::toQColor(p_->bkColor));
    }
    painter->setFont(qfont);
    painter->setPen(detail::toQColor(p_->textColor));
    painter->drawText(detail::toQRect(rect), flags, shown);
    return bounds.height();
}

void DeviceContext::textOut(int x, int y, std::string_view text) {
    const Size extent = textExtent(text);
    drawText(text, rectAt(x, y, extent.width + 1, extent.height), DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
}

Size DeviceContext::textExtent(std::string_view text) const {
    return p_->font.textExtent(text);
}

COLORREF DeviceContext::getPixel(int x, int y) const {
    return colorOf(target_->pixel(x, y));
}

void DeviceContext::setPixel(int x, int y, COLORREF color) {
    fillRect(rectAt(x, y, 1, 1), color);
}

MemoryDC::MemoryDC(int width, int height, Argb fill)
    : MemoryDC(std::make_unique<Holder>(Holder{Image(width, height, fill)})) {}

MemoryDC::MemoryDC(Image picture) : MemoryDC(std::make_unique<Holder>(Holder{std::move(picture)})) {}

MemoryDC::~MemoryDC() {
    finishPainting();
}

MemoryDC::MemoryDC(std::unique_ptr<Holder> holder)
    : DeviceContext(holder->image), holder_(std::move(holder)) {}

}  // namespace ui
