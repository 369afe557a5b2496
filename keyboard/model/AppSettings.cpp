#include "keyboard/model/AppSettings.h"

#include <algorithm>

#include "keyboard/model/TextLines.h"
#include "platform/core/AtomicFile.h"
#include "platform/core/Path.h"

namespace {
constexpr const char* kHeader = "[Setting]";
}

AppSettings::AppSettings(std::string programFolder) : programFolder_(std::move(programFolder)) {}

std::string AppSettings::FilePath() const {
    return core::joinPath(programFolder_, "config/config.ini");
}

void AppSettings::SetDefaults() {
    pairs[0] = {"CurrentProfile", "0"};
    for (int slot = 0; slot < kProfiles; ++slot) {
        std::string number = std::to_string(slot);
        pairs[static_cast<std::size_t>(slot + 1)] = {
            "ProfileSlot" + number + "URL",
            core::joinPath(programFolder_, "config/default" + number + ".psf")};
    }
}

bool AppSettings::ReadFile() {
    auto text = core::readWholeFile(FilePath());
    if (!text) {
        return false;
    }
    std::vector<std::string> lines = SplitLines(*text);
    if (lines.empty() || lines[0] != kHeader) {
        return false;
    }
    if (lines.size() - 1 > static_cast<std::size_t>(kPairs)) {
        return false;  // a seventh pair line
    }
    // Check every line before storing any, so a bad line leaves no half-read state.
    std::array<SettingPair, kPairs> read = pairs;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        auto pair = SplitKeyValue(lines[i]);
        if (!pair || pair->value.empty()) {
            return false;
        }
        read[i - 1] = {pair->key, pair->value};
    }
    pairs = read;
    return true;
}

bool AppSettings::LoadAppSettings() {
    if (ReadFile()) {
        return true;
    }
    SetDefaults();
    SaveAppSettings();
    return false;
}

bool AppSettings::SaveAppSettings() const {
    std::vector<std::string> lines = {kHeader};
    for (const auto& pair : pairs) {
        lines.push_back(pair.key + "=" + pair.value);
    }
    return core::ensureParentFolder(FilePath()) && core::replaceFileAtomically(FilePath(), JoinLines(lines));
}

void AppSettings::SetCurrentProfile(int profile) {
    pairs[0].value = std::to_string(profile);
}

int AppSettings::CurrentProfile() const {
    int profile = ParseDecimal(pairs[0].value);
    return profile >= 0 && profile < kProfiles ? profile : 0;
}

std::string AppSettings::ProfileSlotPath(int slot) const {
    if (slot < 0 || slot >= kProfiles) {
        return {};
    }
    // Files carried over from the original platform name folders with "\".
    std::string path = pairs[static_cast<std::size_t>(slot + 1)].value;
    std::replace(path.begin(), path.end(), '\\', '/');
    if (path.empty() || path.front() == '/') {
        return path;
    }
    // A drive path ("C:/...") or a relative one would make folders wherever the
    // program was started: the file's own name in our config folder instead.
    const std::string name = path.substr(path.find_last_of('/') + 1);
    return name.empty() ? std::string{} : core::joinPath(programFolder_, "config/" + name);
}
