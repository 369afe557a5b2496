#include "platform/profile/ProfileReader.h"

#include "platform/core/AtomicFile.h"
#include "platform/core/Unicode.h"
#include "platform/profile/ProfileText.h"

namespace profile {

namespace {

std::string fitToBuffer(std::string_view text, std::size_t bufferSize) {
    if (bufferSize == 0) {
        return {};
    }
    return std::string(core::cutToCharacters(text, bufferSize - 1));
}

}  // namespace

ProfileReader::ProfileReader(const std::string& path) {
    if (auto bytes = core::readWholeFile(path)) {
        document_ = ProfileDocument::parse(std::move(*bytes));
    }
}

std::string ProfileReader::readString(std::string_view section, std::string_view key,
                                      std::string_view defaultValue, std::size_t bufferSize) const {
    if (trimBlanks(key).empty() || !document_) {
        return fitToBuffer(defaultValue, bufferSize);
    }
    auto value = document_->find(section, key);
    if (!value) {
        return fitToBuffer(defaultValue, bufferSize);
    }
    return fitToBuffer(unquote(*value), bufferSize);
}

}  // namespace profile
