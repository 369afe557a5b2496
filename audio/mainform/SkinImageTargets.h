#pragma once

#include <functional>
#include <span>
#include <string_view>

#include "audio/mainform/PanelLookState.h"

// Which skin record each picture control of the window shows: its Down
// record while its state is on, its Up record otherwise. Controls with one
// record name it as both.
struct SkinImageTarget {
    std::string_view m_strControl;
    std::string_view m_strSection;
    std::string_view m_strUpKey;
    std::string_view m_strDownKey;
    std::function<bool(const PanelLookState&)> m_isDown;
};

std::span<const SkinImageTarget> SkinImageTargets();

// The record key a control shows in `state` (several-state controls such as
// the 3D link modes, the room picture and the page picture pick among more
// than two).
std::string_view SkinImageKey(const SkinImageTarget& target, const PanelLookState& state);
