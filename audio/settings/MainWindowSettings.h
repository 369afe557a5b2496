#pragma once

#include <array>
#include <string>

#include "audio/settings/ConfigValues.h"

constexpr std::size_t kGpioPins = kListItemLimit;

// What the program copy of the configuration file tells the main window about
// its product: feature switches, the surround scale and the GPIO pin set-up.
// Values are read in the order of the members; a strict integer that is
// missing or malformed throws EConvertError, leaving the later members unread.
struct MainWindowSettings {
    // Read in this order by Read().
    std::string m_strHintName;
    int m_iOldVersion = 0;
    int m_iDefaultIni = 0;
    int m_iMicMonitor = 1;
    float m_fV7ch1Scalar = 2.0f;
    int m_iEncButtonMode = 0;
    int m_iEncGpio = 0;
    int m_iGPIOMode = 0;
    std::array<int, kGpioPins> m_iGPIOEnable{};
    std::array<int, kGpioPins> m_iGPIODirection{};
    std::array<int, kGpioPins> m_iGPIOActive{};
    std::array<int, kGpioPins> m_iGPIOFunction{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    int m_iGPIOButtonMode = 0;
    int m_iGPIODipSwMode = 0;
    int m_i3DV7ch1MutuallyExclusive = 0;

    // Read by ReadSkinSwitches(), later in start-up.
    int m_iRegionCut = 0;
    int m_iSimpleEnable = 0;

    void Read(const std::string& configPath);
    void ReadSkinSwitches(const std::string& configPath);
};
