#include "platform/profile/PrivateProfile.h"

#include <optional>

#include "platform/core/AtomicFile.h"
#include "platform/core/FileReader.h"
#include "platform/core/Unicode.h"
#include "platform/profile/ProfileDocument.h"
#include "platform/profile/ProfileReader.h"
#include "platform/profile/ProfileText.h"

namespace profile {

namespace {

std::string fitToBuffer(std::string_view text, std::size_t bufferSize) {
    if (bufferSize == 0) {
        return {};
    }
    return std::string(core::cutToCharacters(text, bufferSize - 1));
}

bool breaksLines(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

bool breaksFile(std::string_view section, std::string_view key, std::string_view value) {
    return trimBlanks(key).empty() || key.find('=') != std::string_view::npos || breaksLines(section) ||
           breaksLines(key) || breaksLines(value);
}

// The file as it is, or an empty one when there is none; nullopt for a file
// that is there but cannot be read: a write leaves it alone rather than
// replacing it by one that holds the new entries only.
std::optional<ProfileDocument> documentToChange(const std::string& path) {
    core::FileContents file = core::readFile(path);
    if (!file && file.error != core::ReadError::missing) {
        return std::nullopt;
    }
    return ProfileDocument::parse(std::move(file.bytes));
}

}  // namespace

std::string readString(const std::string& path, std::string_view section, std::string_view key,
                       std::string_view defaultValue, std::size_t bufferSize) {
    if (trimBlanks(key).empty()) {
        return fitToBuffer(defaultValue, bufferSize);  // no need to read the file
    }
    return ProfileReader(path).readString(section, key, defaultValue, bufferSize);
}

bool writeString(const std::string& path, std::string_view section, std::string_view key,
                 std::string_view value) {
    if (breaksFile(section, key, value)) {
        return false;
    }
    auto document = documentToChange(path);
    if (!document) {
        return false;
    }
    if (!document->set(section, key, value)) {
        return true;
    }
    return core::replaceFileAtomically(path, document->bytes());
}

bool writeStrings(const std::string& path, const std::vector<Entry>& entries) {
    for (const Entry& entry : entries) {
        if (breaksFile(entry.section, entry.key, entry.value)) {
            return false;
        }
    }
    auto document = documentToChange(path);
    if (!document) {
        return false;
    }
    bool changed = false;
    for (const Entry& entry : entries) {
        changed = document->set(entry.section, entry.key, entry.value) || changed;
    }
    return !changed || core::replaceFileAtomically(path, document->bytes());
}

}  // namespace profile
