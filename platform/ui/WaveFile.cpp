#include "platform/ui/WaveFile.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <string_view>

namespace ui {

namespace {

std::uint32_t le32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::uint16_t le16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

bool readBytes(std::ifstream& in, unsigned char* out, std::size_t count) {
    in.read(reinterpret_cast<char*>(out), static_cast<std::streamsize>(count));
    return in.gcount() == static_cast<std::streamsize>(count);
}

}  // namespace

std::optional<WaveInfo> readWaveInfo(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        return std::nullopt;
    }
    const auto fileSize = static_cast<unsigned long long>(in.tellg());
    in.seekg(0);
    std::array<unsigned char, 12> riff{};
    if (!readBytes(in, riff.data(), riff.size()) || std::string_view(reinterpret_cast<char*>(riff.data()), 4) != "RIFF" ||
        std::string_view(reinterpret_cast<char*>(riff.data() + 8), 4) != "WAVE") {
        return std::nullopt;
    }
    WaveInfo info;
    bool haveFormat = false;
    unsigned long long offset = 12;
    std::array<unsigned char, 8> header{};
    while (offset + 8 <= fileSize) {
        in.seekg(static_cast<std::streamoff>(offset));
        if (!readBytes(in, header.data(), header.size())) {
            break;
        }
        const std::string_view id(reinterpret_cast<char*>(header.data()), 4);
        const unsigned long long size = le32(header.data() + 4);
        const unsigned long long body = offset + 8;
        if (id == "fmt " && size >= 16) {
            std::array<unsigned char, 16> format{};
            if (!readBytes(in, format.data(), format.size())) {
                return std::nullopt;
            }
            info.channels = le16(format.data() + 2);
            info.samplesPerSecond = le32(format.data() + 4);
            info.bytesPerSecond = le32(format.data() + 8);
            haveFormat = true;
        } else if (id == "data") {
            // A header that claims more than the file holds must not make the sound longer than it is.
            info.dataBytes = std::min(size, fileSize - body);
            if (!haveFormat || info.bytesPerSecond == 0) {
                return std::nullopt;
            }
            info.length = std::chrono::milliseconds(info.dataBytes * 1000 / info.bytesPerSecond);
            return info;
        }
        offset = body + size + (size & 1);  // chunks are padded to even sizes
    }
    return std::nullopt;
}

}  // namespace ui
