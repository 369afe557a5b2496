#pragma once

#include <string>

#include "audio/settings/PanelPage.h"

// One text of the window as a language table gives it. Only the text is
// always there; every other field counts only when its flag says it was given.
struct CaptionSetting {
    std::string m_strText;
    int m_iColorUp = 0;    // 0x00BBGGRR, normal state
    int m_iColorDown = 0;  // selected state
    std::string m_strFont;
    int m_iFontSize = 0;  // points
    int m_iLeft = 0;
    int m_iTop = 0;
    int m_iWidth = 0;
    int m_iHeight = 0;
    int m_iPage = PageAlways;
    bool m_bColorUp = false;
    bool m_bColorDown = false;
    bool m_bFont = false;
    bool m_bFontSize = false;
    bool m_bLeft = false;
    bool m_bTop = false;
    bool m_bWidth = false;
    bool m_bHeight = false;

    // Neither "" nor "(null)": the control shows the text; otherwise it is hidden.
    bool HasText() const { return !m_strText.empty() && m_strText != "(null)"; }
};

// Settings of section GlobalFont, used where a caption gives none of its own.
struct GlobalFont {
    int m_iColorUp = 0;     // 0: no global colour
    int m_iColorDown = 0;   // 0: no global colour
    std::string m_strFont;  // "": no global font
    int m_iFontSize = -1;   // -1: no global size
};
