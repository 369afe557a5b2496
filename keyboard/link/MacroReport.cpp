#include "keyboard/link/MacroReport.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr std::size_t kNameAt = 8;
constexpr std::size_t kNameBytes = 24;
constexpr std::size_t kLoopAt = 32;
constexpr std::size_t kCountAt = 33;
constexpr std::size_t kPairsAt = 34;

// The longest prefix of `text` of at most `bytes` bytes that ends on a whole UTF-8 character.
std::size_t utf8Prefix(const std::string& text, std::size_t bytes) {
    if (text.size() <= bytes) {
        return text.size();
    }
    std::size_t end = bytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
        --end;
    }
    return end;
}

}  // namespace

std::vector<std::uint8_t> MacroReport::Build(int profile, int slot) const {
    std::vector<std::uint8_t> report(kLength, 0);
    report[0] = 0x08;
    report[1] = 0xE2;
    report[2] = static_cast<std::uint8_t>(profile & 3);
    report[3] = static_cast<std::uint8_t>(slot);
    std::copy_n(name.begin(), utf8Prefix(name, kNameBytes), report.begin() + kNameAt);
    report[kLoopAt] = loop;
    std::size_t sent = std::min(pairs.size(), kMaxPairs);
    report[kCountAt] = static_cast<std::uint8_t>(std::min<std::size_t>(pairCount, kMaxPairs));
    for (std::size_t i = 0; i < sent; ++i) {
        report[kPairsAt + 2 * i] = pairs[i].type;
        report[kPairsAt + 2 * i + 1] = pairs[i].value;
    }
    return report;
}

MacroReport MacroReport::Parse(const std::vector<std::uint8_t>& report, int profile, int slot) {
    MacroReport parsed;
    std::vector<std::uint8_t> bytes(report);
    bytes.resize(kLength, 0);  // a short answer reads as zeros, never past the end
    // An empty name is as good as none: the library file cannot hold a macro without one.
    bool noName = (bytes[kNameAt] == 0xFF && bytes[kNameAt + 1] == 0xFF) || bytes[kNameAt] == 0;
    if (noName) {
        parsed.unnamed = true;
        char name[32];
        std::snprintf(name, sizeof name, "Profile%u_G%u", static_cast<unsigned>(profile + 1),
                      static_cast<unsigned>(slot + 1));
        parsed.name = name;
    } else {
        auto begin = bytes.begin() + kNameAt;
        parsed.name.assign(begin, std::find(begin, begin + kNameBytes, 0));
    }
    parsed.loop = bytes[kLoopAt];
    parsed.pairCount = static_cast<std::uint8_t>(std::min<std::size_t>(bytes[kCountAt], kMaxPairs));
    for (std::size_t i = 0; i < parsed.pairCount; ++i) {
        parsed.pairs.push_back({bytes[kPairsAt + 2 * i], bytes[kPairsAt + 2 * i + 1]});
    }
    return parsed;
}
