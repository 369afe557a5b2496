#include "sim/headset/HeadsetDump.h"

#include <cstdio>
#include <sstream>

#include "sim/headset/EmulatedHeadset.h"

namespace sim {

namespace {

std::string hex2(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", value & 0xFF);
    return text;
}

std::string colour(const Rgb& rgb) {
    char text[16];
    std::snprintf(text, sizeof text, "%02X%02X%02X", rgb[0], rgb[1], rgb[2]);
    return text;
}

void describeLighting(std::ostringstream& out, const char* name, const LightingState& light) {
    out << name << ".mode = " << int(light.mode) << "\n"
        << name << ".speed = " << int(light.speed) << "\n"
        << name << ".steps = " << int(light.steps) << "\n"
        << name << ".palette =";
    for (std::size_t i = 1; i < light.palette.size(); ++i) {
        out << " " << colour(light.palette[i]);
    }
    out << "\n" << name << ".single =";
    for (std::size_t mode = 2; mode <= 4; ++mode) {
        out << " " << colour(light.modeColour[mode]);
    }
    out << "\n"
        << name << ".brightness = " << int(light.brightness[0]) << " " << int(light.brightness[1]) << " "
        << int(light.brightness[2]) << "\n";
}

}  // namespace

std::string describeHeadset(const HeadsetChip& chip, bool plugged, const HeadsetModel& model) {
    std::ostringstream out;
    out << "plugged = " << (plugged ? 1 : 0) << "\n"
        << "driverExtension = " << (model.driverExtension ? 1 : 0) << "\n";
    for (unsigned reg : {256u, 288u, 289u, 290u, 291u, 292u, 293u, 294u, 295u, 296u, 297u, 394u, 395u, 396u,
                         461u, 462u, 0x200u, 0x230u}) {
        out << "register " << reg << " = " << hex2(chip.registers[reg]) << "\n";
    }
    out << "eeprom 0x50[141] = " << hex2(chip.eeprom[0][141]) << "\n"
        << "eeprom 0x50[142] = " << hex2(chip.eeprom[0][142]) << "\n"
        << "lines =";
    for (std::uint8_t level : chip.lineLevels) {
        out << " " << int(level);
    }
    out << "\nlineModes =";
    for (std::uint8_t mode : chip.lineModes) {
        out << " " << int(mode);
    }
    out << "\nbuttonScan = " << chip.buttonScan << "\n"
        << "equalizer = " << chip.equalizerOn << "\n"
        << "3D = " << chip.threeDOn << "\n"
        << "surround = " << chip.surroundOn << "\n"
        << "surroundScalar = " << chip.surroundScalar << "\n"
        << "noiseCancellation = " << chip.noiseCancellationOn << "\n"
        << "noiseCancellationLevel = " << int(chip.noiseCancellationParameters[8]) << "\n"
        << "voiceEffect = " << chip.voiceEffectOn << " " << chip.voiceEffect << "\n"
        << "roomEffect = " << chip.roomEffect << "\n"
        << "effectProcessing = " << chip.effectProcessing << "\n";
    describeLighting(out, "master", chip.master);
    describeLighting(out, "slave", chip.slave);
    return out.str();
}

}  // namespace sim
