#pragma once

// The main window's control ids: the number each control notifies the window
// with. The layout places them; the window, its pages and the tests name them.
namespace ids {

// Shown on every page.
inline constexpr unsigned kLinkButton = 2060;
inline constexpr unsigned kCloseButton = 2001;
inline constexpr unsigned kMinimiseButton = 2002;
inline constexpr unsigned kKeyMapTab = 2003;
inline constexpr unsigned kRecordTab = 2004;
inline constexpr unsigned kMacroTab = 2005;  // also the five small G tabs on the keyboard picture
inline constexpr unsigned kLightTab = 2077;
inline constexpr unsigned kOkButton = 2046;
inline constexpr unsigned kApplyButton = 2047;
inline constexpr unsigned kHideButton = 2048;
inline constexpr unsigned kProfileTabs[3] = {2049, 2050, 2051};
inline constexpr unsigned kResetCurrentButton = 2045;
inline constexpr unsigned kResetAllButton = 2076;

// KEY MAP page: the 104 keys from here on.
inline constexpr unsigned kFirstKeyButton = 2200;
inline constexpr unsigned kLastKeyButton = 2303;

// RECORD page.
inline constexpr unsigned kNewMacroButton = 2100;
inline constexpr unsigned kDeleteMacroButton = 2101;
inline constexpr unsigned kImportMacroButton = 2102;
inline constexpr unsigned kExportMacroButton = 2103;
inline constexpr unsigned kMacroNameList = 2109;
inline constexpr unsigned kLoopEdit = 2110;
inline constexpr unsigned kLoopCheck = 2111;
inline constexpr unsigned kDelayCheck = 2112;
inline constexpr unsigned kRecordCheck = 2113;
inline constexpr unsigned kActionList = 2114;
inline constexpr unsigned kMacroNameScroll = 2115;
inline constexpr unsigned kActionScroll = 2116;

// MACRO page: G keys 1..5.
inline constexpr unsigned kGKeyCombos[5] = {2078, 2079, 2080, 2081, 2082};

// LIGHT page.
inline constexpr unsigned kLightModeCombo = 2092;
inline constexpr unsigned kLightBrightnessCombo = 2091;
inline constexpr unsigned kLightSpeedCombo = 2093;

}  // namespace ids
