#include "platform/scenario/Values.h"

#include <cctype>
#include <charconv>
#include <map>

#include "platform/ui/Messages.h"

namespace {

template <typename Number>
std::optional<Number> FromChars(const std::string& text, int base) {
    Number value{};
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

std::string Upper(std::string word) {
    for (char& c : word) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return word;
}

}  // namespace

namespace scenario {

std::optional<unsigned long> parseNumber(const std::string& word) {
    if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
        return FromChars<unsigned long>(word.substr(2), 16);
    }
    return FromChars<unsigned long>(word, 10);
}

std::optional<int> parseSigned(const std::string& word) {
    return FromChars<int>(word, 10);
}

std::optional<ui::Point> parsePoint(const std::string& word) {
    const auto comma = word.find(',');
    if (comma == std::string::npos) {
        return std::nullopt;
    }
    auto x = parseSigned(word.substr(0, comma));
    auto y = parseSigned(word.substr(comma + 1));
    if (!x || !y) {
        return std::nullopt;
    }
    return ui::Point{*x, *y};
}

std::optional<ControlTarget> parseControlTarget(const std::string& word) {
    const auto hash = word.find('#');
    auto id = parseNumber(word.substr(0, hash));
    if (!id || *id > 0xFFFF) {
        return std::nullopt;
    }
    ControlTarget target{static_cast<ui::UINT>(*id), 0};
    if (hash != std::string::npos) {
        auto occurrence = parseSigned(word.substr(hash + 1));
        if (!occurrence || *occurrence < 1) {
            return std::nullopt;
        }
        target.occurrence = *occurrence;
    }
    return target;
}

std::optional<std::uint8_t> parseVirtualKey(const std::string& word) {
    static const std::map<std::string, std::uint8_t> names = {
        {"BACK", ui::VK_BACK},     {"TAB", ui::VK_TAB},  {"ENTER", ui::VK_RETURN}, {"SHIFT", ui::VK_SHIFT},
        {"CTRL", ui::VK_CONTROL},  {"ALT", ui::VK_MENU}, {"ESC", ui::VK_ESCAPE},   {"SPACE", ui::VK_SPACE},
        {"LEFT", ui::VK_LEFT},     {"UP", ui::VK_UP},    {"RIGHT", ui::VK_RIGHT},  {"DOWN", ui::VK_DOWN},
        {"DELETE", ui::VK_DELETE}, {"LWIN", 0x5B},
    };
    const std::string upper = Upper(word);
    if (auto named = names.find(upper); named != names.end()) {
        return named->second;
    }
    if (upper.size() == 1 && std::isalnum(static_cast<unsigned char>(upper[0]))) {
        return static_cast<std::uint8_t>(upper[0]);
    }
    if (upper.size() >= 2 && upper[0] == 'F') {
        auto number = parseSigned(upper.substr(1));
        if (number && *number >= 1 && *number <= 12) {
            return static_cast<std::uint8_t>(0x70 + *number - 1);
        }
    }
    auto number = parseNumber(word);
    if (number && *number > 0 && *number < 256) {
        return static_cast<std::uint8_t>(*number);
    }
    return std::nullopt;
}

std::optional<int> parseAnswer(const std::string& word) {
    const std::string upper = Upper(word);
    if (upper == "OK") {
        return ui::IDOK;
    }
    if (upper == "CANCEL") {
        return ui::IDCANCEL;
    }
    if (upper == "YES") {
        return ui::IDYES;
    }
    if (upper == "NO") {
        return ui::IDNO;
    }
    return std::nullopt;
}

}  // namespace scenario
