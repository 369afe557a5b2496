#pragma once

#include "audio/settings/PanelPage.h"

// What the window shows at the moment, as the captions and pictures follow it:
// the page, the device, and every switch with a normal and a selected look.
struct PanelLookState {
    int m_iCurrentPage = PageEQ;
    int m_iCurrentPreset = 1;  // 1..4
    bool m_bDeviceActive = false;
    bool m_bEQOn = false;
    bool m_b3DOn = false;
    bool m_bFBMOn = false;
    bool m_b7ch1On = false;
    int m_iEffect = 1;  // 1 Nothing .. 5 Stone gallery
    bool m_bMicBoost = false;
    bool m_bMicMute = false;
    bool m_bMicMonitor = false;
    bool m_bClockwise = false;
    bool m_bCounterclockwise = false;
    bool m_bEnlarge = false;
    bool m_bNarrow = false;
    int m_iMicLevel = 0;
    int m_iENCLevel = 0;
    bool m_bENCOn = false;
    bool m_bVMOn = false;
    int m_iVMEffect = 0;  // 0 none, 1..4
    int m_i3DAlphaMode = -1;  // -1 before the first click, then 0 independent, 1 follow, 2 mirror
    int m_i3DBetaMode = -1;
    bool m_bLEDOn = false;
    int m_iLEDOff = 0;
    int m_iLEDSingleColor = 0;
    int m_iLEDEffectMode = 0;  // 0 none, 1 breathe, 2 rainbow, 3 multi-breathe
};
