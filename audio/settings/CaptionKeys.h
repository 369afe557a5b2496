#pragma once

#include <span>
#include <string_view>

#include "audio/settings/PanelPage.h"

// One key of a language table: where it lies, the page its section gives its
// caption, and the label of the main window it sets ("" when its text goes
// elsewhere: a message box, the tray menu, the about form).
struct CaptionKey {
    std::string_view m_strSection;
    std::string_view m_strKey;
    int m_iPage;
    std::string_view m_strLabel;
};

// Every caption key in reading order: section by section, with the two warning
// texts last.
std::span<const CaptionKey> CaptionKeys();

// Position of a key in CaptionKeys(), or -1.
int CaptionKeyIndex(std::string_view key);
