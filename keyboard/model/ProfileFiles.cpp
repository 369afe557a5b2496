#include "keyboard/model/ProfileFiles.h"

#include <vector>

#include "keyboard/model/TextLines.h"
#include "platform/core/AtomicFile.h"
#include "platform/core/Path.h"

namespace {

constexpr const char* kHeader = "[Setting]";
constexpr std::size_t kKeyMapDigits = 2 * kKeyMapSize;

std::string KeyMapLine(const KeyMap& keyMap) {
    std::string line = "AllRCKey=";
    for (KeyMapCode code : keyMap)
        line += HexByte(code);
    return line;
}

bool ParseKeyMapLine(const std::string& line, KeyMap& keyMap) {
    std::size_t p = line.find('=');
    if (p == std::string::npos || line.size() - (p + 1) != kKeyMapDigits) {
        return false;
    }
    std::string_view digits = std::string_view(line).substr(p + 1);
    for (std::size_t i = 0; i < keyMap.size(); ++i) {
        keyMap[i] = static_cast<KeyMapCode>(ParseHexPair(digits, 2 * i));
    }
    return true;
}

KeyFunction ParseFunction(const std::string& value) {
    // The three bytes begin 1, 3 and 5 characters after the "=": at 0, 2 and 4 of the value.
    return KeyFunction{static_cast<std::uint8_t>(ParseHexPair(value, 0)),
                       static_cast<std::uint8_t>(ParseHexPair(value, 2)),
                       static_cast<std::uint8_t>(ParseHexPair(value, 4))};
}

}  // namespace

std::string ProfileFileText(const ProfileRecord& record) {
    std::vector<std::string> lines = {kHeader};
    for (const auto& setting : record.settings) {
        lines.push_back(setting.key + "=" + setting.value);
    }
    lines.push_back(KeyMapLine(record.keyMap));
    for (int i = 0; i < ProfileRecord::kGKeys; ++i) {
        const GKeySlot& key = *record.GKey(i);
        std::string n = std::to_string(i);
        const auto bytes = key.function.Bytes();
        lines.push_back("Key" + n + "Name=" + key.name);
        lines.push_back("\tKey" + n + "Value=" + HexByte(bytes[0]) + HexByte(bytes[1]) + HexByte(bytes[2]));
        lines.push_back("\tKey" + n + "URL=" + key.launchPath);
    }
    return JoinLines(lines);
}

std::optional<ProfileRecord> ParseProfileFile(const std::string& text, const ProfileRecord& base) {
    std::vector<std::string> lines = SplitLines(text);
    std::size_t next = 0;
    auto take = [&]() -> const std::string* { return next < lines.size() ? &lines[next++] : nullptr; };

    const std::string* header = take();
    if (!header || *header != kHeader) {
        return std::nullopt;
    }
    ProfileRecord record = base;
    for (auto& setting : record.settings) {
        const std::string* line = take();
        auto pair = line ? SplitKeyValue(*line) : std::nullopt;
        if (!pair) {
            return std::nullopt;
        }
        setting = {pair->key, pair->value};
    }
    const std::string* keyMapLine = take();
    if (!keyMapLine || !ParseKeyMapLine(*keyMapLine, record.keyMap)) {
        return std::nullopt;
    }
    for (auto& key : record.gKeys) {
        std::optional<KeyValue> parts[3];
        for (auto& part : parts) {
            const std::string* line = take();
            part = line ? SplitKeyValue(*line) : std::nullopt;
            if (!part) {
                return std::nullopt;
            }
        }
        key.name = parts[0]->value;
        key.function = ParseFunction(parts[1]->value);
        key.launchPath = parts[2]->value;
    }
    return record;
}

bool ProfileRecords::LoadProfile(int slot) {
    ProfileRecord& record = Record(slot);
    if (auto text = core::readWholeFile(settings_.ProfileSlotPath(slot))) {
        if (auto parsed = ParseProfileFile(*text, record)) {
            record = *parsed;
            return true;
        }
    }
    ResetProfile(slot);
    SaveProfile(slot);
    return false;
}

bool ProfileRecords::SaveProfile(int slot) const {
    std::string path = settings_.ProfileSlotPath(slot);
    if (path.empty()) {
        return false;
    }
    return core::ensureParentFolder(path) && core::replaceFileAtomically(path, ProfileFileText(Record(slot)));
}

void ProfileRecords::ResetProfile(int slot) {
    Record(slot).ResetProfile(slot);
}
