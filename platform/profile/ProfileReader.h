#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/profile/ProfileDocument.h"

namespace profile {

// Many look-ups in one INI file from a single read of it: each answers as
// readString would for the file as it was when the reader was made. For
// callers that take a whole description (a skin's hundreds of keys) at once.
class ProfileReader {
public:
    explicit ProfileReader(const std::string& path);

    std::string readString(std::string_view section, std::string_view key, std::string_view defaultValue,
                           std::size_t bufferSize) const;

private:
    std::optional<ProfileDocument> document_;  // nullopt: the file could not be read
};

}  // namespace profile
