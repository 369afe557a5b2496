#include "sim/headset/HeadsetVerbs.h"

#include <cstdlib>
#include <optional>
#include <sstream>
#include <vector>

namespace sim {

namespace {

std::optional<unsigned long> number(const std::string& word) {
    if (word.empty()) {
        return std::nullopt;
    }
    char* end = nullptr;
    unsigned long value = std::strtoul(word.c_str(), &end, 0);
    return *end == '\0' ? std::optional(value) : std::nullopt;
}

std::vector<std::string> words(std::string_view line) {
    std::istringstream in{std::string(line)};
    std::vector<std::string> words;
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

VerbResult ok() {
    return {true, {}};
}

VerbResult wrong(std::string text) {
    return {false, std::move(text)};
}

// Pseudo-random full-scale samples, the same on every run.
std::uint8_t noise(std::uint64_t index) {
    std::uint64_t x = index * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<std::uint8_t>(x >> 56);
}

VerbResult setLine(EmulatedHeadset& headset, const std::vector<std::string>& w) {
    auto line = w.size() >= 2 ? number(w[1]) : std::nullopt;
    if (!line || *line >= kLineCount) {
        return wrong("a line is 0 to 9");
    }
    if (w[0] == "press") {
        headset.pressButton(*line);
    } else if (w[0] == "release") {
        headset.releaseButton(*line);
    } else {
        auto level = w.size() == 3 ? number(w[2]) : std::nullopt;
        if (!level || *level > 1) {
            return wrong("line N 0|1");
        }
        headset.setLine(*line, static_cast<std::uint8_t>(*level));
    }
    return ok();
}

VerbResult setMemory(EmulatedHeadset& headset, const std::vector<std::string>& w) {
    bool eeprom = w[0] == "eeprom";
    std::size_t equals = eeprom ? 3 : 2;
    if (w.size() != equals + 2 || w[equals] != "=") {
        return wrong(eeprom ? "eeprom BUS OFFSET = V" : "register R = V");
    }
    auto value = number(w[equals + 1]);
    auto where = number(w[equals - 1]);
    auto bus = eeprom ? number(w[1]) : std::nullopt;
    if (!value || *value > 0xFF || !where) {
        return wrong("bad number");
    }
    if (!eeprom) {
        if (*where >= kRegisterCount) {
            return wrong("no such register");
        }
        headset.change(
            [&](HeadsetChip& chip) { chip.registers[*where] = static_cast<std::uint8_t>(*value); });
        return ok();
    }
    if (!bus || (*bus != kEepromBusMain && *bus != kEepromBusEqualizer) || *where >= kEepromSize) {
        return wrong("the EEPROM buses are 0x50 and 0x51, 256 bytes each");
    }
    headset.change([&](HeadsetChip& chip) {
        chip.eeprom[*bus == kEepromBusMain ? 0 : 1][*where] = static_cast<std::uint8_t>(*value);
    });
    return ok();
}

}  // namespace

VerbResult runHeadsetVerb(EmulatedHeadset& headset, Machine& machine, std::string_view line) {
    std::vector<std::string> w = words(line);
    if (w.empty()) {
        return wrong("empty line");
    }
    const std::string& verb = w[0];
    if (verb == "plug" && w.size() == 1) {
        headset.plugInto(machine);
        return ok();
    }
    if (verb == "unplug" && w.size() == 1) {
        headset.unplug();
        return ok();
    }
    if (verb == "unplug" && w.size() == 3 && w[1] == "after" && number(w[2])) {
        headset.unplugAfter(static_cast<int>(*number(w[2])));
        return ok();
    }
    if (verb == "press" || verb == "release" || verb == "line") {
        return setLine(headset, w);
    }
    if (verb == "fail" && w.size() >= 3 && number(w[1])) {
        std::size_t afterTimes = line.find(w[1], line.find(w[0]) + w[0].size()) + w[1].size();
        std::string what(line.substr(line.find(w[2], afterTimes)));
        what.erase(what.find_last_not_of(" \t\r\n") + 1);
        headset.failCommand(what, static_cast<int>(*number(w[1])));
        return ok();
    }
    if (verb == "driver" && w.size() == 3 && w[1] == "extension" && (w[2] == "on" || w[2] == "off")) {
        headset.setDriverExtension(w[2] == "on");
        return ok();
    }
    if (verb == "register" || verb == "eeprom") {
        return setMemory(headset, w);
    }
    if (verb == "mic" && w.size() == 2 && (w[1] == "silence" || w[1] == "noise")) {
        headset.captureEndpoint().setLevelSource(w[1] == "noise" ? audio::LevelSource(noise)
                                                                 : audio::LevelSource());
        return ok();
    }
    if (verb == "dump" && w.size() == 1) {
        return {true, headset.dump()};
    }
    return wrong("unknown headset line: " + std::string(line));
}

}  // namespace sim
