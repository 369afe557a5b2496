#include "audio/settings/IniEncoding.h"

#include "platform/core/Unicode.h"

DetectedEncoding DetectEncoding(const unsigned char* bytes, std::size_t length) {
    const core::ByteOrderMark mark =
        core::detectByteOrderMark(std::string_view(reinterpret_cast<const char*>(bytes), length));
    return {static_cast<IniEncoding>(mark.encoding), mark.length};
}

bool DecodeIniText(IniEncoding encoding, std::string_view bytes, std::string& text) {
    return core::decodeToUtf8(static_cast<core::TextEncoding>(encoding), bytes, text);
}
