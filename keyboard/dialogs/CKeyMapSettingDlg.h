#pragma once

#include <cstdint>
#include <string>

#include "keyboard/dialogs/SelectorResult.h"
#include "keyboard/model/KeyMap.h"
#include "keyboard/toolkit/CDlgBase.h"
#include "platform/hook/CKeyboardHook.h"

class CStaticText;

// Gives one key of the keyboard picture another key, captured by pressing it
// anywhere on the system, or a mouse function chosen from a list. OK reports
// the code to the owner with message 1066 (wParam: the key button's id,
// lParam: the code); Cancel and close report nothing.
class CKeyMapSettingDlg : public CDlgBase {
public:
    static constexpr ui::UINT kResultMessage = 1066;
    static constexpr ui::UINT kOpenListMessage = 1037;
    static constexpr ui::UINT kMouseChosenMessage = 1044;
    static constexpr ui::UINT kListClosedMessage = 1045;
    static constexpr int kBackground = 272;
    static constexpr ui::UINT kDefaultButton = 2016;
    static constexpr ui::UINT kKeyLabelText = 2015;
    static constexpr ui::UINT kOfferedKeyText = 2017;
    static constexpr ui::UINT kMouseChooser = 2012;
    static constexpr ui::UINT kKeyOption = 2013;
    static constexpr ui::UINT kMouseOption = 2014;

    CKeyMapSettingDlg(ui::Window* parent, ui::UINT keyButtonId, const std::string& keyLabel,
                      KeyMapCode defaultCode, KeyMapCode currentCode);

    ui::BOOL OnInitDialog() override;
    void CreateControls(const ui::Rect& client) override;
    ui::LRESULT WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) override;
    void OnOK() override;

    KeyMapCode CurrentCode() const { return m_currentCode; }
    KeyMapCode KeyChoice() const { return m_keyChoice; }
    KeyMapCode MouseChoice() const { return m_mouseChoice; }

private:
    void SelectOption(ui::UINT option);
    void ShowOfferedKey(const std::string& text);
    void OnKeyEvent(std::uint8_t virtualKey);
    void OpenMouseList();
    void OnMouseChosen(const SelectorResult& chosen);
    void CloseMouseList();
    void RestoreDefault();

    std::string m_capturedKeyName;
    std::uint8_t m_capturedKey = 0;
    std::uint32_t m_backgroundId = kBackground;
    ui::UINT m_keyButtonId;
    std::string m_keyLabel;
    KeyMapCode m_defaultCode;
    KeyMapCode m_currentCode;
    KeyMapCode m_keyChoice = 0;
    KeyMapCode m_mouseChoice = 0;
    CStaticText* m_resultText = nullptr;  // belongs to the control group
    CKeyboardHook m_keyboardHook;
};

// The mouse functions a key position can carry: 0xD0 "Click" .. 0xD6 "Fire".
bool IsMouseFunctionCode(KeyMapCode code);
std::string MouseFunctionCodeName(KeyMapCode code);
// The code of a function chosen from the mouse-function list.
KeyMapCode MouseFunctionCodeOf(const SelectorResult& chosen);
