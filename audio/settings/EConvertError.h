#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

// A configuration value that must be an integer was not one. Start-up shows
// the message and ends the program; this is the panel's only exception.
class EConvertError : public std::runtime_error {
public:
    explicit EConvertError(std::string_view text)
        : std::runtime_error("'" + std::string(text) + "' is not a valid integer value"), m_strText(text) {}

    const std::string& Text() const { return m_strText; }

private:
    std::string m_strText;
};
