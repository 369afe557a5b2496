#pragma once

#include <initializer_list>
#include <string>
#include <utility>

#include "platform/forms/FormTypes.h"
#include "platform/forms/LayoutValue.h"

// Small converters the components use in SetProperty: each sets `error` and
// returns false when the value does not fit.
namespace forms::layout {

bool toInt(const LayoutValue& value, int& out, std::string& error);
bool setFontProperty(TFont& font, const std::string& key, const LayoutValue& value, std::string& error);
// A path from a layout file: relative ones start at the file's folder.
std::string resolvePath(const std::string& folder, const std::string& path);

template <class Setter>
bool apply(const LayoutValue& value, std::string& error, Setter set) {
    const std::optional<bool> v = value.boolean();
    if (!v) {
        error = "expected true or false";
        return false;
    }
    set(*v);
    return true;
}

template <class Setter>
bool applyInt(const LayoutValue& value, std::string& error, Setter set) {
    int v = 0;
    if (!toInt(value, v, error)) {
        return false;
    }
    set(v);
    return true;
}

template <class Setter>
bool applyText(const LayoutValue& value, std::string& error, Setter set) {
    const std::optional<std::string> v = value.text();
    if (!v) {
        error = "expected one text";
        return false;
    }
    set(*v);
    return true;
}

template <class Setter>
bool applyColor(const LayoutValue& value, std::string& error, Setter set) {
    const std::optional<TColor> v = value.color();
    if (!v) {
        error = "expected a colour (0x00BBGGRR or a name such as clRed)";
        return false;
    }
    set(*v);
    return true;
}

template <class Enum, class Setter>
bool applyEnum(const LayoutValue& value, std::string& error,
               std::initializer_list<std::pair<const char*, Enum>> names, Setter set) {
    const std::optional<std::string> w = value.word();
    for (const auto& [name, e] : names) {
        if (w && *w == name) {
            set(e);
            return true;
        }
    }
    error = "expected one of";
    for (const auto& entry : names) {
        error += std::string(" ") + entry.first;
    }
    return false;
}

}  // namespace forms::layout
