#pragma once

#include <string>
#include <vector>

#include "audio/settings/CIniMgr.h"

// The hardware-id patterns of the headsets the panel accepts, from section
// USB_VID_PID of the configuration file. An "X" (either case) in a pattern
// stands for any one character.
class CDeviceIdMgr {
public:
    enum LoadResult : int {
        LoadOk = 0,
        LoadNoFile = 1,
        LoadNoSection = 2,
        LoadNoKeys = 3,
        LoadEmptyEntry = 4,  // the acceptance pass stopped; earlier entries stay
    };

    // AudioConfig.cfg in the program folder.
    int LoadFromConfig(const std::string& programFolder);
    int LoadFile(const std::string& path);

    const std::vector<std::string>& RawEntries() const { return m_rawEntries; }
    const std::vector<std::string>& Identities() const { return m_identities; }

    // Spaces (only the space character) trimmed at both ends.
    static std::string Trim(const std::string& entry);

private:
    int AcceptEntries();

    CIniMgr m_iniMgr;
    std::vector<std::string> m_rawEntries;
    std::vector<std::string> m_identities;
};
