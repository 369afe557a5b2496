#pragma once

#include <cstdint>

#include "keyboard/dialogs/SelectorResult.h"
#include "keyboard/toolkit/CDlgBase.h"
#include "platform/hook/CKeyboardHook.h"

// Captures a key combination for a G key: the key pressed anywhere on the
// system, the modifiers ticked. OK hands the owner a key-combination function
// with message 1036 (wParam 2010, lParam: the result record, read during the
// call) unless nothing was captured or ticked; the dialog always ends as Cancel.
class CShortcutDlg : public CDlgBase {
public:
    static constexpr ui::UINT kResultMessage = 1036;
    static constexpr int kBackground = 153;
    static constexpr ui::UINT kSingleKeyBox = 2005;
    static constexpr ui::UINT kCtrlBox = 2006;
    static constexpr ui::UINT kAltBox = 2007;
    static constexpr ui::UINT kShiftBox = 2008;
    static constexpr ui::UINT kWinBox = 2009;
    static constexpr ui::UINT kKeyNameText = 2012;

    explicit CShortcutDlg(ui::Window* owner = nullptr);

    ui::BOOL OnInitDialog() override;
    void CreateControls(const ui::Rect& client) override;
    ui::LRESULT WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) override;
    void OnOK() override;

    // text, category, modifier mask, key usage
    const SelectorResult& Result() const { return m_result; }

private:
    bool IsChecked(ui::UINT box) const;
    void OnKeyEvent(std::uint8_t virtualKey);
    void OnSingleKeyOption();
    std::uint8_t TickedModifiers() const;

    SelectorResult m_result;
    CKeyboardHook m_keyboardHook;
};
