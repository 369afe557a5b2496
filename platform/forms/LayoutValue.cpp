#include "platform/forms/LayoutValue.h"

#include <charconv>
#include <map>

namespace forms {

std::optional<long long> parseInteger(const std::string& text) {
    std::string_view digits = text;
    bool negative = false;
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    int base = 10;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        base = 16;
        digits.remove_prefix(2);
    }
    long long value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::optional<long long> LayoutValue::integer() const {
    if (words_.size() != 1 || words_[0].quoted) {
        return std::nullopt;
    }
    return parseInteger(words_[0].text);
}

std::optional<bool> LayoutValue::boolean() const {
    const std::optional<std::string> w = word();
    if (!w) {
        return std::nullopt;
    }
    if (*w == "true" || *w == "yes" || *w == "1") {
        return true;
    }
    if (*w == "false" || *w == "no" || *w == "0") {
        return false;
    }
    return std::nullopt;
}

std::optional<std::string> LayoutValue::text() const {
    if (words_.size() != 1) {
        return std::nullopt;
    }
    return words_[0].text;
}

std::optional<TColor> LayoutValue::color() const {
    static const std::map<std::string, TColor> names = {
        {"clBlack", clBlack},     {"clMaroon", clMaroon},       {"clGreen", clGreen},
        {"clNavy", clNavy},       {"clPurple", clPurple},       {"clGray", clGray},
        {"clSilver", clSilver},   {"clRed", clRed},             {"clLime", clLime},
        {"clYellow", clYellow},   {"clBlue", clBlue},           {"clFuchsia", clFuchsia},
        {"clAqua", clAqua},       {"clWhite", clWhite},         {"clBtnFace", clBtnFace},
        {"clBtnShadow", clBtnShadow}, {"clWindow", clWindow},   {"clWindowText", clWindowText},
        {"clHighlight", clHighlight}, {"clGrayText", clGrayText},
    };
    const std::optional<std::string> w = word();
    if (!w) {
        return std::nullopt;
    }
    if (const auto it = names.find(*w); it != names.end()) {
        return it->second;
    }
    const std::optional<long long> value = parseInteger(*w);
    if (!value || *value < 0 || *value > 0xFFFFFF) {
        return std::nullopt;
    }
    return static_cast<TColor>(*value);
}

std::optional<std::string> LayoutValue::word() const {
    if (words_.size() != 1 || words_[0].quoted) {
        return std::nullopt;
    }
    return words_[0].text;
}

std::optional<std::vector<long long>> LayoutValue::integers() const {
    std::vector<long long> values;
    for (const Word& w : words_) {
        const std::optional<long long> value = w.quoted ? std::nullopt : parseInteger(w.text);
        if (!value) {
            return std::nullopt;
        }
        values.push_back(*value);
    }
    return values;
}

std::vector<std::string> LayoutValue::texts() const {
    std::vector<std::string> result;
    for (const Word& w : words_) {
        result.push_back(w.text);
    }
    return result;
}

}  // namespace forms
