#include "audio/settings/MainWindowSettings.h"

#include "audio/settings/ProfileStrings.h"
#include "platform/core/Unicode.h"

namespace {

// The main window keeps each of these values in a 32-character buffer.
constexpr std::size_t kValueCharacters = 31;

std::string readValue(const std::string& path, const std::string& section, const std::string& key) {
    std::string value;
    ReadIniString(path, section, key, value);
    return std::string(core::cutToCharacters(value, kValueCharacters));
}

int readLenient(const std::string& path, const std::string& section, const std::string& key) {
    return LenientInteger(readValue(path, section, key));
}

int readStrict(const std::string& path, const std::string& section, const std::string& key) {
    return StrictInteger(readValue(path, section, key));
}

// "F" followed by the function number; anything else leaves the pin without one.
int gpioFunction(const std::string& value) {
    if (value.empty() || value.front() != 'F') {
        return -1;
    }
    return LenientInteger(std::string_view(value).substr(1));
}

}  // namespace

void MainWindowSettings::Read(const std::string& path) {
    m_strHintName = readValue(path, "TrayIconHint", "HintName");
    m_iOldVersion = readLenient(path, "Version", "OldVersion");
    m_iDefaultIni = readLenient(path, "Version", "DefaultIni");
    std::string monitor = readValue(path, "Mic", "Monitor");
    m_iMicMonitor = monitor.empty() ? 1 : LenientInteger(monitor);
    std::string scalar = readValue(path, "DefaultSet", "V7ch1Scalar");
    m_fV7ch1Scalar = scalar.empty() ? 2.0f : static_cast<float>(LenientInteger(scalar)) * 0.1f;
    m_iEncButtonMode = readLenient(path, "DefaultSet", "EncButtonMode");
    m_iEncGpio = readLenient(path, "DefaultSet", "EncGpio");
    m_iGPIOMode = readStrict(path, "GPIO", "MODE");
    m_iGPIOEnable = IntegerList(readValue(path, "GPIO", "ENABLE"));
    m_iGPIODirection = IntegerList(readValue(path, "GPIO", "DIRECTION"));
    for (std::size_t pin = 0; pin < kGpioPins; ++pin) {
        m_iGPIOActive[pin] = readStrict(path, "GPIOActive", std::to_string(pin));
    }
    for (std::size_t pin = 0; pin < kGpioPins; ++pin) {
        m_iGPIOFunction[pin] = gpioFunction(readValue(path, "GPIOFunction", std::to_string(pin)));
    }
    m_iGPIOButtonMode = readLenient(path, "GPIO", "BUTTONMODE");
    m_iGPIODipSwMode = readLenient(path, "GPIO", "DIPSWMODE");
    m_i3DV7ch1MutuallyExclusive = readLenient(path, "DefaultSet", "3DV7ch1MutuallyExclusive");
}

void MainWindowSettings::ReadSkinSwitches(const std::string& path) {
    m_iRegionCut = readStrict(path, "Skin", "RegionCut");
    m_iSimpleEnable = readStrict(path, "Simple", "Enable");
}
