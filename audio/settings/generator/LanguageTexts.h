#pragma once

#include <QString>

#include <string_view>

// The shipped texts of every caption key.
struct CaptionTexts {
    const char* key;
    const char* english;
    const char* chinese;
};

// The text of `key` in "English" or "Chinese"; nullptr when the key has none.
const char* CaptionText(std::string_view key, std::string_view language);
