#pragma once

#include "keyboard/mainwindow/CMainWindowPart.h"

class CComboButton;
class CLightPreview;
struct SelectorResult;

// LIGHT: lighting mode, brightness and speed, each chosen from its list
// below its button, and a preview of the shown profile's backlight.
class CLightPage : public CMainWindowPart {
public:
    // One list: its button, the popup kind, its messages and the setting it edits.
    struct List {
        ui::UINT buttonId;
        int kind;
        ui::UINT openMessage;
        ui::UINT chosenMessage;
        ui::UINT closedMessage;
        int setting;
    };

    using CMainWindowPart::CMainWindowPart;

    void CreateControls(bool shown) override;
    void ShowProfile(const ProfileRecord& record) override;
    bool OnControlMessage(ui::UINT id, ui::LPARAM code) override;
    bool OnWindowMessage(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) override;

    // The shown profile's mode as a number (a copy of "LightMode").
    int ModeIndex() const { return m_modeIndex; }

private:
    void OpenList(const List& list);
    void OnChosen(const List& list, const SelectorResult& result);
    void OnClosed(const List& list);
    CComboButton* Button(const List& list) const;
    void Release(const List& list);

    int m_modeIndex = 1;
    CLightPreview* m_preview = nullptr;
};
