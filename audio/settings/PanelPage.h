#pragma once

// The pages of the main window. Captions and pictures carry one: 0 shows them
// on every page, any other only while that page is shown.
enum PanelPage : int {
    PageAlways = 0,
    PageEQ = 1,
    PageEffect = 2,
    PageMic = 3,
    PageVirtual7ch1 = 4,
    Page3D = 5,
    PageLED = 6,
    PageENC = 7,
    PageVMEffect = 8
};

// Older skins and tables place every page's controls relative to the page area
// at this offset; the window adds it when the configuration asks for the old scheme.
constexpr int kOldVersionLeftOffset = 392;
constexpr int kOldVersionTopOffset = 104;
