#pragma once

#include <string>

#include "keyboard/toolkit/CDlgBase.h"

// The configurator's message box: a title and one line of text, OK and Cancel.
class CAttentionDlg : public CDlgBase {
public:
    static constexpr int kBackground = 380;
    static constexpr ui::UINT kTitleText = 2012;
    static constexpr ui::UINT kMessageText = 2013;

    CAttentionDlg(const std::string& title, const std::string& message, ui::Window* parent = nullptr);

    ui::BOOL OnInitDialog() override;
    void CreateControls(const ui::Rect& client) override;
    ui::LRESULT WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) override;

private:
    std::string m_title;
    std::string m_message;
};
