#include "platform/ui/Font.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

#include "platform/ui/detail/GraphicsData.h"
#include "platform/ui/detail/QtConvert.h"

namespace ui {

namespace {

constexpr const char* kCjkFamily = "WenQuanYi Micro Hei";
constexpr const char* kLatinFamily = "DejaVu Sans";
constexpr int kDefaultPixelHeight = 12;

// Faces the windows name that Linux desktops do not have.
QString installedFamily(const std::string& face) {
    static const char* const cjkFaces[] = {"宋体", "新宋体", "SimSun", "NSimSun", "\xCB\xCE\xCC\xE5"};
    for (const char* cjk : cjkFaces) {
        if (face == cjk) {
            return QString::fromUtf8(kCjkFamily);
        }
    }
    if (face.empty() || face.rfind("MS ", 0) == 0 || face == "Tahoma" || face == "Arial") {
        return QString::fromUtf8(kLatinFamily);
    }
    return detail::toQString(face);
}

// The em that gives the font a cell (ascent + descent) of this height.
int pixelSizeForCell(int cellHeight, QFont font) {
    constexpr int probe = 100;
    font.setPixelSize(probe);
    const int cell = std::max(1, QFontMetrics(font).height());
    return std::max(1, static_cast<int>(std::lround(cellHeight * static_cast<double>(probe) / cell)));
}

int pixelSizeFor(const FontSpec& spec, const QFont& font) {
    if (spec.height < 0) {
        return -spec.height;
    }
    if (spec.height == 0) {
        // The narrow CJK faces the windows ask for by width alone have a square
        // cell, their Latin letters half as wide: the substitute, whose cell is
        // taller than its em, gets that cell, or its descenders fall outside
        // rows drawn for the narrow face.
        return spec.width > 0 ? pixelSizeForCell(2 * spec.width, font) : kDefaultPixelHeight;
    }
    return pixelSizeForCell(spec.height, font);
}

// Stretch that brings the average width of Latin text to the asked width.
int stretchFor(const FontSpec& spec, const QFont& font) {
    static const QString sample = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    const double natural = QFontMetrics(font).horizontalAdvance(sample) / static_cast<double>(sample.size());
    if (natural <= 0) {
        return 100;
    }
    return std::clamp(static_cast<int>(std::lround(100.0 * spec.width / natural)), 1, 4000);
}

QFont makeQFont(const FontSpec& spec) {
    detail::ensureQtApplication(false);
    QFont font;
    font.setFamilies(
        {installedFamily(spec.face), QString::fromUtf8(kCjkFamily), QString::fromUtf8(kLatinFamily)});
    font.setWeight(
        static_cast<QFont::Weight>(spec.weight <= 0 ? FW_NORMAL : std::clamp(spec.weight, 100, 900)));
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    font.setPixelSize(pixelSizeFor(spec, font));
    if (spec.width > 0) {
        font.setStretch(stretchFor(spec, font));
    }
    return font;
}

}  // namespace

// Fonts are made on the window thread only, and a skinned window makes the
// same few for every one of its controls: matching a face costs more than the
// rest of a control's set-up, so each font description is matched once.
QFont detail::matchedFont(const FontSpec& spec) {
    using Key = std::tuple<int, int, int, std::string, bool, bool>;
    static std::map<Key, QFont> made;
    Key key{spec.height, spec.width, spec.weight, spec.face, spec.italic, spec.underline};
    auto found = made.find(key);
    if (found == made.end()) {
        found = made.emplace(std::move(key), makeQFont(spec)).first;
    }
    return found->second;
}

Font::Font() : Font(FontSpec{}) {}
Font::Font(const FontSpec& spec)
    : d_(std::make_unique<detail::FontData>(detail::FontData{spec, std::nullopt})) {}
Font::~Font() = default;
Font::Font(const Font& other) : d_(std::make_unique<detail::FontData>(*other.d_)) {}
Font& Font::operator=(const Font& other) {
    *d_ = *other.d_;
    return *this;
}
Font::Font(Font&& other) noexcept : d_(std::make_unique<detail::FontData>(*other.d_)) {}
Font& Font::operator=(Font&& other) noexcept {
    std::swap(d_, other.d_);
    return *this;
}

const FontSpec& Font::spec() const {
    return d_->spec;
}

Size Font::textExtent(std::string_view text) const {
    const QFontMetrics metrics(d_->font());
    return {metrics.horizontalAdvance(detail::toQString(text)), metrics.height()};
}

int Font::lineHeight() const {
    return QFontMetrics(d_->font()).height();
}

std::string Font::family() const {
    return detail::fromQString(QFontInfo(d_->font()).family());
}

FontSpec defaultGuiFont() {
    return FontSpec{-11, 0, FW_NORMAL, "MS Shell Dlg"};
}

int logicalPixelsPerInch() {
    return 96;
}

}  // namespace ui
