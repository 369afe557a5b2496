#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/forms/FormTypes.h"

namespace forms {

// The value of one property line of a layout file: one or more words, each a
// bare word (a number, a name such as `bsNone`, `true`) or a quoted text.
class LayoutValue {
public:
    struct Word {
        std::string text;
        bool quoted = false;
    };

    LayoutValue() = default;
    explicit LayoutValue(std::vector<Word> words) : words_(std::move(words)) {}

    const std::vector<Word>& words() const { return words_; }
    std::size_t size() const { return words_.size(); }

    // Each is nothing when the value is not a single word of that kind.
    std::optional<long long> integer() const;  // decimal, or hexadecimal with 0x, optionally negative
    std::optional<bool> boolean() const;       // true/false, yes/no, 1/0
    std::optional<std::string> text() const;   // a quoted text, or a bare word
    std::optional<TColor> color() const;       // an integer 0x00BBGGRR or a colour name such as clRed
    std::optional<std::string> word() const;   // a bare word only
    // Several integers (`Bounds = 10 20 30 40`); nothing when any word is not one.
    std::optional<std::vector<long long>> integers() const;
    std::vector<std::string> texts() const;

private:
    std::vector<Word> words_;
};

std::optional<long long> parseInteger(const std::string& text);

}  // namespace forms
