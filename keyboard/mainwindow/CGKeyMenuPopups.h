#pragma once

#include "platform/ui/Types.h"

class CTarvikDlg;
class CComboButton;
class CComboPopup;

// The G-key function menu of the MACRO page and the four lists it opens
// beside itself (Multimedia, Window Manage, Mouse Function, Assign a Macro),
// kept in the main window's popup slots. The menu belongs to one G-key
// button, which looks pressed while it is open.
class CGKeyMenuPopups {
public:
    // What the menu and its lists send the window.
    static constexpr ui::UINT kMenuMessage = 1027;
    static constexpr ui::UINT kMenuClosed = 1029;
    static constexpr ui::UINT kMultimediaHover = 1030;
    static constexpr ui::UINT kMultimediaChosen = 1031;
    static constexpr ui::UINT kMultimediaClosed = 1032;
    static constexpr ui::UINT kNoListHover = 1033;
    static constexpr ui::UINT kWindowManageHover = 1040;
    static constexpr ui::UINT kWindowManageChosen = 1041;
    static constexpr ui::UINT kWindowManageClosed = 1042;
    static constexpr ui::UINT kMouseHover = 1043;
    static constexpr ui::UINT kMouseChosen = 1044;
    static constexpr ui::UINT kMouseClosed = 1045;
    static constexpr ui::UINT kMacroHover = 1046;
    static constexpr ui::UINT kMacroClosed = 1047;
    static constexpr ui::UINT kMacroChosen = 1051;

    explicit CGKeyMenuPopups(CTarvikDlg& window) : m_window(window) {}

    // Closes a menu still open, then opens one below the button.
    void OpenMenu(ui::UINT buttonId);
    // A menu item was hovered: its list opens beside the menu (1030, 1040,
    // 1043, 1046), or every list closes (1033).
    void OnHover(ui::UINT hoverMessage);
    // A popup lost activation without a choice (its close notification).
    void OnMenuClosed();
    void OnListClosed(int kind);
    // The menu, every list, and the button's pressed look.
    void CloseAll();

    // The button the open menu belongs to; 0 when none is open.
    ui::UINT MenuButton() const { return m_button; }

private:
    void OpenList(int kind, int menuItemValue, ui::UINT chosenMessage);
    void CloseLists();
    bool AnyListOpen() const;
    bool PointerInside(int kind) const;
    CComboPopup* Menu() const;
    CComboButton* Button(ui::UINT id) const;
    void ReleaseButton();

    CTarvikDlg& m_window;
    ui::UINT m_button = 0;
};
