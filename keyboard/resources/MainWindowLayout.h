#pragma once

#include "keyboard/resources/LayoutRect.h"

// Where the main window's skinned controls sit, matching the pictures drawn for
// them (background 129 and the four page pictures).
namespace layout {

inline constexpr int kMainWidth = 805;
inline constexpr int kMainHeight = 588;
inline constexpr LayoutRect kPageBand{0, 169, 805, 472};

// Controls shown on every page.
inline constexpr ControlPlace kLinkButton{2060, {24, 10, 236, 58}, 0};
inline constexpr ControlPlace kCloseButton{2001, {769, 14, 793, 38}, 135};
inline constexpr ControlPlace kMinimiseButton{2002, {741, 14, 765, 38}, 136};
inline constexpr ControlPlace kPageTabs[4] = {
    {2003, {40, 126, 170, 166}, 137},
    {2004, {176, 126, 306, 166}, 262},
    {2005, {312, 126, 442, 166}, 263},
    {2077, {448, 126, 578, 166}, 264},
};
inline constexpr ControlPlace kProfileTabs[3] = {
    {2049, {40, 78, 150, 108}, 171},
    {2050, {158, 78, 268, 108}, 170},
    {2051, {276, 78, 386, 108}, 169},
};
inline constexpr ControlPlace kResetCurrentButton{2045, {525, 78, 655, 108}, 164};
inline constexpr ControlPlace kResetAllButton{2076, {663, 78, 765, 108}, 257};
inline constexpr ControlPlace kOkButton{2046, {445, 490, 545, 524}, 166};
inline constexpr ControlPlace kApplyButton{2047, {555, 490, 655, 524}, 167};
inline constexpr ControlPlace kHideButton{2048, {665, 490, 765, 524}, 168};

// RECORD page.
inline constexpr ControlPlace kRecordButtons[4] = {
    {2100, {570, 204, 765, 234}, 267},
    {2101, {570, 242, 765, 272}, 268},
    {2102, {570, 280, 765, 310}, 269},
    {2103, {570, 318, 765, 348}, 270},
};
inline constexpr ControlPlace kMacroNameList{2109, {40, 204, 250, 424}, 0};
inline constexpr ControlPlace kMacroNameScroll{2115, {250, 204, 266, 424}, 0};
inline constexpr ControlPlace kActionList{2114, {300, 204, 520, 424}, 0};
inline constexpr ControlPlace kActionScroll{2116, {520, 204, 536, 424}, 0};
inline constexpr ControlPlace kLoopEdit{2110, {690, 362, 765, 384}, 0};
inline constexpr ControlPlace kLoopCheck{2111, {570, 365, 586, 381}, 156};
inline constexpr ControlPlace kDelayCheck{2112, {570, 397, 586, 413}, 156};
inline constexpr ControlPlace kRecordCheck{2113, {570, 428, 765, 458}, 189};

// MACRO page: G keys 1..5.
inline constexpr ControlPlace kGKeyCombos[5] = {
    {2078, {330, 206, 530, 232}, 266}, {2079, {330, 256, 530, 282}, 266}, {2080, {330, 306, 530, 332}, 266},
    {2081, {330, 356, 530, 382}, 266}, {2082, {330, 406, 530, 432}, 266},
};

// LIGHT page: mode, brightness, speed.
inline constexpr ControlPlace kLightCombos[3] = {
    {2092, {330, 236, 530, 262}, 266},
    {2091, {330, 296, 530, 322}, 266},
    {2093, {330, 356, 530, 382}, 266},
};

}  // namespace layout
