#include "sim/keyboard/EmulatedKeyboard.h"

#include <algorithm>

namespace sim {

namespace {

constexpr std::uint16_t kVendorId = 0x04F3;
constexpr std::uint16_t kProductId = 0x1406;
constexpr std::size_t kEventReportLength = 8;

const std::vector<std::uint8_t>& keyboardDescriptor() {
    static const std::vector<std::uint8_t> descriptor = {
        0x05, 0x0A, 0x09, 0x01, 0xA1, 0x01,                    // page 0x0A, usage 1, collection
        0x85, 0x01, 0x15, 0x00, 0x26, 0xFF, 0x00,              //   id 1, logical 0..255
        0x75, 0x08, 0x95, 0x07, 0x09, 0x02, 0x81, 0x02,        //   7-byte input
        0xC0,                                                  // end
        0x06, 0x0B, 0x00, 0x09, 0x01, 0xA1, 0x01,              // page 0x0B, usage 1, collection
        0x85, 0x04, 0x95, 0x02, 0x09, 0x04, 0xB1, 0x02,        //   select: 2 bytes
        0x85, 0x05, 0x95, 0x02, 0x09, 0x05, 0xB1, 0x02,        //   profile: 2 bytes
        0x85, 0x06, 0x96, 0xBF, 0x00, 0x09, 0x06, 0xB1, 0x02,  //   key map: 191 bytes
        0x85, 0x07, 0x95, 0x07, 0x09, 0x07, 0xB1, 0x02,        //   lighting: 7 bytes
        0x85, 0x08, 0x96, 0xE1, 0x00, 0x09, 0x08, 0xB1, 0x02,  //   macro: 225 bytes
        0xC0,                                                  // end
    };
    return descriptor;
}

// A different device with one interface, to put the keyboard further down the list.
std::shared_ptr<hid::SimulatedDevice> otherDevice() {
    static const std::vector<std::uint8_t> mouse = {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x75,
                                                    0x08, 0x95, 0x03, 0x81, 0x02, 0xC0};
    return std::make_shared<hid::SimulatedDevice>(0x1234, 0x5678, mouse);
}

template <std::size_t N>
void copyIn(std::array<std::uint8_t, N>& to, std::span<const std::uint8_t> report, std::size_t at) {
    std::copy_n(report.begin() + static_cast<std::ptrdiff_t>(at), N, to.begin());
}

template <std::size_t N>
void copyOut(std::vector<std::uint8_t>& to, const std::array<std::uint8_t, N>& from, std::size_t at) {
    std::copy(from.begin(), from.end(), to.begin() + static_cast<std::ptrdiff_t>(at));
}

KeyboardFirmware factoryState() {
    KeyboardFirmware firmware;
    for (std::size_t p = 0; p < firmware.profiles.size(); ++p) {
        FirmwareProfile& profile = firmware.profiles[p];
        profile.lighting = {0x41, 0x14, 0x44, 0x44};
        for (std::size_t i = 0; i < profile.keyMap.size(); ++i) {
            profile.keyMap[i] = static_cast<std::uint8_t>(i + p);
        }
        for (std::uint8_t g = 0; g < 6; ++g) {
            profile.gKeys[g * 3] = 0x06;
            profile.gKeys[g * 3 + 1] = 0x01;
            profile.gKeys[g * 3 + 2] = static_cast<std::uint8_t>(0x1E + g);
        }
    }
    return firmware;
}

}  // namespace

EmulatedKeyboard::EmulatedKeyboard()
    : SimulatedDevice(kVendorId, kProductId, keyboardDescriptor(), 1), firmware_(factoryState()) {}

std::vector<std::shared_ptr<hid::SimulatedDevice>> EmulatedKeyboard::plugAt(
    hid::SimBus& bus, const std::shared_ptr<EmulatedKeyboard>& keyboard, std::size_t eventIndex) {
    std::vector<std::shared_ptr<hid::SimulatedDevice>> others;
    while (bus.enumerate().size() < eventIndex) {
        others.push_back(otherDevice());
        bus.plug(others.back());
    }
    bus.plug(keyboard);
    return others;
}

KeyboardFirmware EmulatedKeyboard::firmware() const {
    std::lock_guard lock(mutex_);
    return firmware_;
}

void EmulatedKeyboard::refuseReports(bool refuse) {
    std::lock_guard lock(mutex_);
    refusing_ = refuse;
}

void EmulatedKeyboard::sendEvent(std::uint8_t code, std::uint8_t value) {
    std::vector<std::uint8_t> report(kEventReportLength, 0x00);
    report[0] = 0x01;
    report[1] = code;
    report[2] = value;
    sendInput(kEventCollection, std::move(report));
}

void EmulatedKeyboard::recordMacro(std::uint8_t gKey,
                                   const std::vector<std::pair<std::uint8_t, std::uint8_t>>& pairs,
                                   std::uint8_t loop) {
    change([&](KeyboardFirmware& firmware) {
        FirmwareMacro& macro = firmware.profiles[(firmware.currentProfile & 3) % 3].macros[(gKey - 1u) % 6];
        macro = FirmwareMacro{};
        macro.name[0] = 0xFF;
        macro.name[1] = 0xFF;
        macro.loop = loop;
        std::size_t count = std::min<std::size_t>(pairs.size(), macro.pairs.size() / 2);
        macro.pairCount = static_cast<std::uint8_t>(count);
        for (std::size_t i = 0; i < count; ++i) {
            macro.pairs[2 * i] = pairs[i].first;
            macro.pairs[2 * i + 1] = pairs[i].second;
        }
    });
    sendEvent(0x01, gKey);
}

void EmulatedKeyboard::pressProfileKey(std::uint8_t profile) {
    change([&](KeyboardFirmware& firmware) { firmware.currentProfile = profile; });
    sendEvent(0x05, static_cast<std::uint8_t>(profile + 1));
}

bool EmulatedKeyboard::onSetFeature(std::size_t collection, std::span<const std::uint8_t> report) {
    bool accepted = false;
    {
        std::lock_guard lock(mutex_);
        accepted = collection == kCommandCollection && !refusing_ && applySet(report);
    }
    log_.add({core::systemClock().now(), ReportCall::SetFeature, {report.begin(), report.end()}, accepted});
    return accepted;
}

int EmulatedKeyboard::onGetFeature(std::size_t collection, std::span<std::uint8_t> report) {
    int length = -1;
    {
        std::lock_guard lock(mutex_);
        if (collection == kCommandCollection && !refusing_) {
            length = answerGet(report);
        }
    }
    std::vector<std::uint8_t> logged(report.begin(), report.begin() + std::max(length, 1));
    log_.add({core::systemClock().now(), ReportCall::GetFeature, std::move(logged), length > 0});
    return length;
}

FirmwareProfile& EmulatedKeyboard::selected() {
    return firmware_.profiles[firmware_.selectedProfile % firmware_.profiles.size()];
}

bool EmulatedKeyboard::applySet(std::span<const std::uint8_t> report) {
    auto profileOf = [&](std::uint8_t byte) -> FirmwareProfile& {
        return firmware_.profiles[(byte & 3) % 3];
    };
    switch (report[0]) {
        case 0x04:
            if (report.size() < 3) {
                return false;
            }
            firmware_.selectedProfile = report[1] & 3;
            firmware_.selectedItem = report[2];
            return true;
        case 0x05:
            if (report.size() < 3 || report[1] != 0x03) {
                return false;
            }
            firmware_.currentProfile = report[2];
            return true;
        case 0x07:
            if (report.size() < 8) {
                return false;
            }
            copyIn(profileOf(report[2]).lighting, report, 4);
            return true;
        case 0x06:
            if (report.size() < 192) {
                return false;
            }
            copyIn(profileOf(report[2]).keyMap, report, 8);
            copyIn(profileOf(report[2]).gKeys, report, 168);
            return true;
        case 0x08: {
            if (report.size() < 226 || report[3] >= 6) {
                return false;
            }
            FirmwareMacro& macro = profileOf(report[2]).macros[report[3]];
            copyIn(macro.name, report, 8);
            macro.loop = report[32];
            macro.pairCount = report[33];
            copyIn(macro.pairs, report, 34);
            return true;
        }
        default:
            return false;
    }
}

int EmulatedKeyboard::answerGet(std::span<std::uint8_t> request) {
    std::vector<std::uint8_t> answer;
    switch (request[0]) {
        case 0x05:
            answer = {0x05, 0x03, firmware_.currentProfile};
            break;
        case 0x07:
            answer.assign(8, 0);
            answer[1] = 0x08;
            copyOut(answer, selected().lighting, 4);
            break;
        case 0x06:
            answer.assign(192, 0);
            answer[1] = 0xB8;
            copyOut(answer, selected().keyMap, 8);
            copyOut(answer, selected().gKeys, 168);
            break;
        case 0x08: {
            if (firmware_.selectedItem >= 6) {
                return -1;
            }
            const FirmwareMacro& macro = selected().macros[firmware_.selectedItem];
            answer.assign(226, 0);
            answer[1] = 0xE2;
            answer[3] = firmware_.selectedItem;
            copyOut(answer, macro.name, 8);
            answer[32] = macro.loop;
            answer[33] = macro.pairCount;
            copyOut(answer, macro.pairs, 34);
            break;
        }
        default:
            return -1;
    }
    answer[0] = request[0];
    if (request[0] != 0x05) {
        answer[2] = firmware_.selectedProfile;
    }
    std::size_t length = std::min(answer.size(), request.size());
    std::copy_n(answer.begin(), length, request.begin());
    return static_cast<int>(length);
}

}  // namespace sim
