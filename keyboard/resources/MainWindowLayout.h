#pragma once

#include "keyboard/resources/LayoutRect.h"
#include "keyboard/resources/MainWindowIds.h"

// Where the main window's skinned controls sit, matching the pictures drawn for
// them (background 129 and the four page pictures).
namespace layout {

inline constexpr int kMainWidth = 805;
inline constexpr int kMainHeight = 588;
inline constexpr LayoutRect kPageBand{0, 169, 805, 472};

// Controls shown on every page.
inline constexpr ControlPlace kLinkButton{ids::kLinkButton, {24, 10, 236, 58}, 0};
inline constexpr ControlPlace kCloseButton{ids::kCloseButton, {769, 14, 793, 38}, 135};
inline constexpr ControlPlace kMinimiseButton{ids::kMinimiseButton, {741, 14, 765, 38}, 136};
inline constexpr ControlPlace kPageTabs[4] = {
    {ids::kKeyMapTab, {40, 126, 170, 166}, 137},
    {ids::kRecordTab, {176, 126, 306, 166}, 262},
    {ids::kMacroTab, {312, 126, 442, 166}, 263},
    {ids::kLightTab, {448, 126, 578, 166}, 264},
};
inline constexpr ControlPlace kProfileTabs[3] = {
    {ids::kProfileTabs[0], {40, 78, 150, 108}, 171},
    {ids::kProfileTabs[1], {158, 78, 268, 108}, 170},
    {ids::kProfileTabs[2], {276, 78, 386, 108}, 169},
};
inline constexpr ControlPlace kResetCurrentButton{ids::kResetCurrentButton, {525, 78, 655, 108}, 164};
inline constexpr ControlPlace kResetAllButton{ids::kResetAllButton, {663, 78, 765, 108}, 257};
inline constexpr ControlPlace kOkButton{ids::kOkButton, {445, 490, 545, 524}, 166};
inline constexpr ControlPlace kApplyButton{ids::kApplyButton, {555, 490, 655, 524}, 167};
inline constexpr ControlPlace kHideButton{ids::kHideButton, {665, 490, 765, 524}, 168};

// RECORD page.
inline constexpr ControlPlace kRecordButtons[4] = {
    {ids::kNewMacroButton, {570, 204, 765, 234}, 267},
    {ids::kDeleteMacroButton, {570, 242, 765, 272}, 268},
    {ids::kImportMacroButton, {570, 280, 765, 310}, 269},
    {ids::kExportMacroButton, {570, 318, 765, 348}, 270},
};
inline constexpr ControlPlace kMacroNameList{ids::kMacroNameList, {40, 204, 250, 424}, 0};
inline constexpr ControlPlace kMacroNameScroll{ids::kMacroNameScroll, {250, 204, 266, 424}, 0};
inline constexpr ControlPlace kActionList{ids::kActionList, {300, 204, 520, 424}, 0};
inline constexpr ControlPlace kActionScroll{ids::kActionScroll, {520, 204, 536, 424}, 0};
inline constexpr ControlPlace kLoopEdit{ids::kLoopEdit, {690, 362, 765, 384}, 0};
inline constexpr ControlPlace kLoopCheck{ids::kLoopCheck, {570, 365, 586, 381}, 156};
inline constexpr ControlPlace kDelayCheck{ids::kDelayCheck, {570, 397, 586, 413}, 156};
inline constexpr ControlPlace kRecordCheck{ids::kRecordCheck, {570, 428, 765, 458}, 189};

// MACRO page: G keys 1..5.
inline constexpr ControlPlace kGKeyCombos[5] = {
    {ids::kGKeyCombos[0], {330, 206, 530, 232}, 266}, {ids::kGKeyCombos[1], {330, 256, 530, 282}, 266},
    {ids::kGKeyCombos[2], {330, 306, 530, 332}, 266}, {ids::kGKeyCombos[3], {330, 356, 530, 382}, 266},
    {ids::kGKeyCombos[4], {330, 406, 530, 432}, 266},
};

// LIGHT page: mode, brightness, speed.
inline constexpr ControlPlace kLightCombos[3] = {
    {ids::kLightModeCombo, {330, 236, 530, 262}, 266},
    {ids::kLightBrightnessCombo, {330, 296, 530, 322}, 266},
    {ids::kLightSpeedCombo, {330, 356, 530, 382}, 266},
};

}  // namespace layout
