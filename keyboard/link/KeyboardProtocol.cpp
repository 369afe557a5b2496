#include "keyboard/link/KeyboardProtocol.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "keyboard/link/MacroReport.h"

namespace {

using Milliseconds = CommandChannel::Milliseconds;
constexpr Milliseconds kLightingPause{15};
constexpr Milliseconds kLongWritePause{350};

constexpr std::uint8_t kLightingReport = 0x07;
constexpr std::uint8_t kKeyMapReport = 0x06;
constexpr std::uint8_t kMacroReport = 0x08;
constexpr std::size_t kLightingLength = 8;
constexpr std::size_t kKeyMapLength = 192;
constexpr std::size_t kKeyMapAt = 8;
constexpr std::size_t kGKeysAt = 168;
constexpr int kSlots = 6;
constexpr int kOnBoardProfiles = 3;
constexpr std::uint8_t kMacroCategory = 0x01;

// Status codes of the on-screen message.
constexpr std::uint32_t kWindowsKeyLocked = 4, kWindowsKeyUnlocked = 5, kAllKeysLocked = 6,
                        kAllKeysUnlocked = 7;

bool validProfile(int profile) {
    return profile >= 0 && profile < PendingWrites::kProfiles;
}

bool validSlot(int slot) {
    return slot >= 0 && slot < kSlots;
}

std::uint8_t nibble(const std::string& decimal) {
    return static_cast<std::uint8_t>(std::strtol(decimal.c_str(), nullptr, 10) & 0x0F);
}

}  // namespace

KeyboardProtocol::KeyboardProtocol(KeyboardLink& link, LinkModel& model, LinkOwner& owner,
                                   PendingWrites& pending)
    : link_(link), model_(model), owner_(owner), pending_(pending) {
    link_.onInitialSync = [this] { InitialSync(); };
    link_.onDeviceEvent = [this](DeviceEvent event) { HandleDeviceEvent(event); };
}

bool KeyboardProtocol::ReadLighting(int profile) {
    if (!validProfile(profile)) {
        return false;
    }
    auto report = link_.commandHandle.SelectAndRead(profile, 0, kLightingReport, kLightingLength);
    if (!report) {
        return false;
    }
    const std::uint8_t values[] = {
        static_cast<std::uint8_t>((*report)[4] & 0x0F), static_cast<std::uint8_t>((*report)[4] >> 4),
        static_cast<std::uint8_t>((*report)[5] >> 4),   static_cast<std::uint8_t>((*report)[5] & 0x0F),
        static_cast<std::uint8_t>((*report)[6] >> 4),   static_cast<std::uint8_t>((*report)[6] & 0x0F),
        static_cast<std::uint8_t>((*report)[7] >> 4),   static_cast<std::uint8_t>((*report)[7] & 0x0F)};
    for (int position = 1; position <= 8; ++position) {
        model_.SetSetting(profile, position, std::to_string(values[position - 1]));
    }
    return true;
}

bool KeyboardProtocol::WriteLighting(int profile) {
    if (!validProfile(profile)) {
        return false;
    }
    auto value = [&](int position) { return nibble(model_.Setting(profile, position)); };
    const std::uint8_t report[kLightingLength] = {kLightingReport,
                                                  0x08,
                                                  static_cast<std::uint8_t>(profile & 3),
                                                  0,
                                                  static_cast<std::uint8_t>(value(2) << 4 | value(1)),
                                                  static_cast<std::uint8_t>(value(3) << 4 | value(4)),
                                                  static_cast<std::uint8_t>(value(5) << 4 | value(6)),
                                                  static_cast<std::uint8_t>(value(7) << 4 | value(8))};
    return link_.commandHandle.Send(report, kLightingLength, kLightingPause);
}

bool KeyboardProtocol::ReadKeyMap(int profile) {
    if (!validProfile(profile)) {
        return false;
    }
    auto report = link_.commandHandle.SelectAndRead(profile, 0, kKeyMapReport, kKeyMapLength);
    if (!report) {
        return false;
    }
    std::array<std::uint8_t, 160> keyMap{};
    std::copy_n(report->begin() + kKeyMapAt, keyMap.size(), keyMap.begin());
    model_.SetKeyMap(profile, keyMap);
    for (int slot = 0; slot < kSlots; ++slot) {
        std::array<std::uint8_t, 3> function{};
        std::copy_n(report->begin() + static_cast<std::ptrdiff_t>(kGKeysAt + 3 * slot), 3, function.begin());
        model_.SetGKeyFunction(profile, slot, function);
    }
    return true;
}

bool KeyboardProtocol::WriteKeyMap(int profile) {
    if (!validProfile(profile)) {
        return false;
    }
    std::vector<std::uint8_t> report(kKeyMapLength, 0);
    report[0] = kKeyMapReport;
    report[1] = 0xB8;
    report[2] = static_cast<std::uint8_t>(profile & 3);
    std::array<std::uint8_t, 160> keyMap = model_.KeyMap(profile);
    std::copy(keyMap.begin(), keyMap.end(), report.begin() + kKeyMapAt);
    for (int slot = 0; slot < kSlots; ++slot) {
        std::array<std::uint8_t, 3> function = model_.GKeyFunction(profile, slot);
        std::copy(function.begin(), function.end(),
                  report.begin() + static_cast<std::ptrdiff_t>(kGKeysAt + 3 * slot));
    }
    return link_.commandHandle.Send(report, kKeyMapLength, kLongWritePause);
}

void KeyboardProtocol::StoreMacroReport(int profile, int slot, const std::vector<std::uint8_t>& report,
                                        bool& unnamed) {
    MacroReport parsed = MacroReport::Parse(report, profile, slot);
    unnamed = parsed.unnamed;
    model_.SetGKeyName(profile, slot, parsed.name);
    LinkModel::Macro macro;
    model_.FindMacro(parsed.name, macro);
    macro.loopEnable = parsed.loop != 0;
    macro.loopCount = parsed.loop;
    macro.pairCount = static_cast<std::uint8_t>(parsed.pairs.size());
    macro.actions =
        PairsToActions(parsed.pairs, [this](std::uint8_t usage) { return model_.UsageToVirtualKey(usage); });
    model_.StoreMacro(parsed.name, macro);
    model_.SetMacrosModified(true);
}

std::optional<KeyboardProtocol::ReadResult> KeyboardProtocol::FetchMacro(int profile, int slot) {
    auto report = link_.commandHandle.SelectAndRead(profile, static_cast<std::uint8_t>(slot), kMacroReport,
                                                    MacroReport::kLength);
    if (!report) {
        return std::nullopt;
    }
    ReadResult result;
    StoreMacroReport(profile, slot, *report, result.unnamed);
    return result;
}

bool KeyboardProtocol::ReadMacro(int profile, int slot) {
    if (!validProfile(profile) || !validSlot(slot) || !link_.commandHandle.IsOpen() ||
        model_.GKeyFunction(profile, slot)[0] != kMacroCategory) {
        return false;
    }
    return FetchMacro(profile, slot).has_value();
}

bool KeyboardProtocol::WriteMacro(int profile, int slot) {
    if (!validProfile(profile) || !validSlot(slot) || !link_.commandHandle.IsOpen()) {
        return false;
    }
    LinkModel::Macro macro;
    if (!model_.FindMacro(model_.GKeyName(profile, slot), macro)) {
        return false;
    }
    MacroReport report;
    report.name = model_.GKeyName(profile, slot);
    report.loop = macro.loopEnable ? macro.loopCount : 0;
    report.pairs =
        ActionsToPairs(macro.actions, [this](std::uint8_t vk) { return model_.VirtualKeyToUsage(vk); });
    report.pairCount = macro.pairCount;
    return link_.commandHandle.Send(report.Build(profile, slot), MacroReport::kLength, kLongWritePause);
}

void KeyboardProtocol::InitialSync() {
    link_.needsSync = false;
    int profile = link_.GetDeviceProfile();
    link_.deviceProfile = profile;
    if (profile < 0 || profile >= kOnBoardProfiles) {
        return;
    }
    model_.SetCurrentProfile(profile);
    for (int p = 0; p < kOnBoardProfiles; ++p) {
        ReadLighting(p);
    }
    for (int p = 0; p < kOnBoardProfiles; ++p) {
        ReadKeyMap(p);
    }
    bool anyRead = false;
    for (int p = 0; p < kOnBoardProfiles; ++p) {
        for (int slot = 0; slot < kSlots; ++slot) {
            if (model_.GKeyFunction(p, slot)[0] != kMacroCategory) {
                continue;
            }
            auto read = FetchMacro(p, slot);
            anyRead = anyRead || read.has_value();
            if (read && read->unnamed) {
                WriteMacro(p, slot);  // so the keyboard's copy carries its name from now on
            }
        }
    }
    if (anyRead) {
        model_.SaveMacroLibrary();  // keeps the mark when the file cannot be written
    }
    owner_.Refresh();
}

void KeyboardProtocol::FlushPendingWrites() {
    for (int p = 0; p < kOnBoardProfiles; ++p) {
        if (pending_.Take(PendingWrites::kLighting, p)) {
            WriteLighting(p);
        }
    }
    for (int p = 0; p < kOnBoardProfiles; ++p) {
        if (pending_.Take(PendingWrites::kKeyMap, p)) {
            WriteKeyMap(p);
        }
    }
    for (int p = 0; p < kOnBoardProfiles; ++p) {
        for (int row = PendingWrites::kFirstMacro; row < PendingWrites::kRows; ++row) {
            if (pending_.Take(row, p)) {
                WriteMacro(p, row - PendingWrites::kFirstMacro);
            }
        }
    }
}

void KeyboardProtocol::StoreLightingValue(int position, std::uint8_t value) {
    model_.SetSetting(link_.deviceProfile, position, std::to_string(value));
    owner_.Refresh();
}

void KeyboardProtocol::OnMacroRecorded(int slot) {
    int profile = link_.deviceProfile;
    if (!link_.commandHandle.IsOpen() || !FetchMacro(profile, slot)) {
        return;
    }
    WriteMacro(profile, slot);
    model_.SetGKeyFunction(profile, slot, {kMacroCategory, 0, 0});
    model_.SaveProfile(profile);
    model_.SaveMacroLibrary();
    owner_.Refresh();
}

void KeyboardProtocol::HandleDeviceEvent(DeviceEvent event) {
    if (event.code == kEventProfileSwitched) {
        // Only the keyboard's three profiles can be switched to on the keyboard.
        if (event.value >= 1 && event.value <= kOnBoardProfiles) {
            link_.deviceProfile = event.value - 1;
            model_.SetCurrentProfile(event.value - 1);
            owner_.Refresh();
            owner_.PostStatusMessage(event.value);
        }
        return;
    }
    if (event.code == kEventWindowsKeyLock) {
        owner_.PostStatusMessage(event.value == 0 ? kWindowsKeyLocked : kWindowsKeyUnlocked);
        return;
    }
    if (event.code == kEventAllKeysLock) {
        owner_.PostStatusMessage(event.value == 0 ? kAllKeysLocked : kAllKeysUnlocked);
        return;
    }
    if (!validProfile(link_.deviceProfile)) {
        return;  // the rest needs one of the profile records
    }
    int slot = event.value - 1;
    switch (event.code) {
        case kEventMacroRecorded:
            if (validSlot(slot)) {
                OnMacroRecorded(slot);
            }
            break;
        case kEventQuickLaunch:
            if (validSlot(slot)) {
                owner_.LaunchProgram(model_.GKeyLaunchPath(link_.deviceProfile, slot));
            }
            break;
        case kEventLightSpeed:
            StoreLightingValue(3, event.value);
            break;
        case kEventLightMode:
            StoreLightingValue(1, event.value);
            break;
        case kEventLightBrightness:
            StoreLightingValue(2, event.value);
            break;
        case kEventLightingChanged:
            ReadLighting(link_.deviceProfile);
            break;
        default:
            break;
    }
}
