#include "platform/forms/LayoutProperties.h"

#include <limits>

namespace forms::layout {

bool toInt(const LayoutValue& value, int& out, std::string& error) {
    const std::optional<long long> v = value.integer();
    if (!v || *v < std::numeric_limits<int>::min() || *v > std::numeric_limits<int>::max()) {
        error = "expected an integer";
        return false;
    }
    out = static_cast<int>(*v);
    return true;
}

namespace {

bool toStyles(const LayoutValue& value, TFontStyles& out, std::string& error) {
    out = 0;
    for (const LayoutValue::Word& w : value.words()) {
        if (w.text == "fsBold") {
            out |= fsBold;
        } else if (w.text == "fsItalic") {
            out |= fsItalic;
        } else if (w.text == "fsUnderline") {
            out |= fsUnderline;
        } else if (w.text == "fsStrikeOut") {
            out |= fsStrikeOut;
        } else if (w.text != "none") {
            error = "font styles are fsBold, fsItalic, fsUnderline, fsStrikeOut or none";
            return false;
        }
    }
    return true;
}

}  // namespace

bool setFontProperty(TFont& font, const std::string& key, const LayoutValue& value, std::string& error) {
    if (key == "Name") {
        return applyText(value, error, [&](const std::string& v) { font.Name = v; });
    }
    if (key == "Size") {
        return toInt(value, font.Size, error);
    }
    if (key == "Color") {
        return applyColor(value, error, [&](TColor v) { font.Color = v; });
    }
    if (key == "Style") {
        return toStyles(value, font.Style, error);
    }
    error = "unknown font property \"" + key + "\" (Name, Size, Color, Style)";
    return false;
}

std::string resolvePath(const std::string& folder, const std::string& path) {
    if (path.empty() || path.front() == '/' || folder.empty()) {
        return path;
    }
    return folder + "/" + path;
}

}  // namespace forms::layout
