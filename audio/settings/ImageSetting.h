#pragma once

#include <string>

#include "audio/settings/PanelPage.h"

// One picture of the window as a skin describes it: the file (relative to the
// skin folder) and where to put it. Place and size count only when given.
struct ImageSetting {
    std::string m_strFileName;
    int m_iLeft = 0;
    int m_iTop = 0;
    int m_iWidth = 0;
    int m_iHeight = 0;
    int m_iPage = PageAlways;
    bool m_bLeft = false;
    bool m_bTop = false;
    bool m_bWidth = false;
    bool m_bHeight = false;

    // Neither "" nor "(null)": the control shows this picture.
    bool HasPicture() const { return !m_strFileName.empty() && m_strFileName != "(null)"; }
};
