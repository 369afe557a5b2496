#pragma once

#include <string>

#include "keyboard/dialogs/SelectorResult.h"
#include "keyboard/toolkit/CDlgBase.h"

// Chooses the program a G key starts. OK hands the choice to the owner with
// message 1039 (wParam: the full path, lParam: the result record); without a
// chosen program nothing is sent.
class CQuickLaunchDlg : public CDlgBase {
public:
    static constexpr ui::UINT kResultMessage = 1039;
    static constexpr int kBackground = 176;
    static constexpr ui::UINT kBrowseButton = 2012;
    static constexpr ui::UINT kPathText = 2013;
    static constexpr const char* kFilter = "exe file(*.exe)|*.exe||";
    static constexpr const char* kSuggestedName = "ab.exe";

    explicit CQuickLaunchDlg(ui::Window* parent = nullptr);

    ui::BOOL OnInitDialog() override;
    void CreateControls(const ui::Rect& client) override;
    ui::LRESULT WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) override;
    void OnOK() override;

    const std::string& Path() const { return m_path; }
    const SelectorResult& Result() const { return m_result; }

private:
    void Browse();

    SelectorResult m_result;
    std::string m_path;
};
