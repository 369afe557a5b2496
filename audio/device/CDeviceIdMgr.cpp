#include "audio/device/CDeviceIdMgr.h"

#include "audio/settings/PanelConfigFile.h"

namespace {

constexpr const char* kSection = "USB_VID_PID";

}  // namespace

int CDeviceIdMgr::LoadFromConfig(const std::string& programFolder) {
    return LoadFile(ProgramConfigPath(programFolder));
}

int CDeviceIdMgr::LoadFile(const std::string& path) {
    m_rawEntries.clear();
    m_identities.clear();
    if (m_iniMgr.LoadFile(path) != CIniMgr::LoadOk) {
        return LoadNoFile;
    }
    if (!m_iniMgr.HasSection(kSection)) {
        return LoadNoSection;
    }
    // Every entry counts, a key name used twice included: key names carry no meaning here.
    m_iniMgr.GetValues(kSection, m_rawEntries);
    if (m_rawEntries.empty()) {
        return LoadNoKeys;
    }
    return AcceptEntries();
}

int CDeviceIdMgr::AcceptEntries() {
    for (const std::string& entry : m_rawEntries) {
        std::string identity = Trim(entry);
        if (identity.empty()) {
            return LoadEmptyEntry;
        }
        m_identities.push_back(std::move(identity));
    }
    return LoadOk;
}

std::string CDeviceIdMgr::Trim(const std::string& entry) {
    std::size_t first = entry.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return entry.substr(first, entry.find_last_not_of(' ') - first + 1);
}
