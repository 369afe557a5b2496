#pragma once

#include <string>

#include "keyboard/mainwindow/CGKeyMenuPopups.h"
#include "keyboard/mainwindow/CMainWindowPart.h"

struct KeyFunction;
struct SelectorResult;

// MACRO: the function of each of the five G keys, chosen from the G-key menu,
// its lists and the shortcut and quick-launch dialogs. A choice goes into the
// current profile at once and waits in the pending writes for Apply.
class CMacroPage : public CMainWindowPart {
public:
    static constexpr ui::UINT kMenuOpenRequest = 1028;
    static constexpr ui::UINT kRunShortcutDialog = 1034;
    static constexpr ui::UINT kShortcutChosen = 1035;
    static constexpr ui::UINT kShortcutResult = 1036;
    static constexpr ui::UINT kQuickLaunchChosen = 1037;
    static constexpr ui::UINT kRunQuickLaunchDialog = 1038;
    static constexpr ui::UINT kQuickLaunchResult = 1039;

    explicit CMacroPage(CTarvikDlg& window) : CMainWindowPart(window), m_popups(window) {}

    void CreateControls(bool shown) override;
    void ShowProfile(const ProfileRecord& record) override;
    bool OnControlMessage(ui::UINT id, ui::LPARAM code) override;
    bool OnWindowMessage(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) override;

private:
    bool OnPopupMessage(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam);
    bool OnDialogMessage(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam);
    void OnMenuChoice(ui::UINT buttonId, const SelectorResult* chosen);
    void OnListChoice(ui::UINT message, ui::UINT buttonId, const SelectorResult* chosen);
    // Remembers the button, closes the menu and has the dialog run once the menu is gone.
    void AskForDialog(ui::UINT buttonId, ui::UINT& remembered, ui::UINT runMessage);
    void RunShortcutDialog();
    void RunQuickLaunchDialog();
    // Stores into the button's slot of the current profile, shows the new
    // name and closes the popups; a macro also marks its slot's macro.
    void Store(ui::UINT buttonId, const std::string& name, const KeyFunction& function,
               const std::string& launchPath);

    CGKeyMenuPopups m_popups;
    ui::UINT m_shortcutButton = 0;     // while the shortcut dialog is asked for or open
    ui::UINT m_quickLaunchButton = 0;  // while the quick-launch dialog is asked for or open
};

// The G-key slot 0..4 of a MACRO page button id; -1 for any other id.
int GKeySlotOfButton(ui::UINT id);
