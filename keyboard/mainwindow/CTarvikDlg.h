#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "keyboard/link/KeyboardLink.h"
#include "keyboard/link/KeyboardProtocol.h"
#include "keyboard/link/LinkOwner.h"
#include "keyboard/link/PendingWrites.h"
#include "keyboard/mainwindow/ConfiguratorData.h"
#include "keyboard/resources/MainWindowIds.h"
#include "keyboard/toolkit/CDlgBase.h"
#include "platform/core/WorkQueue.h"
#include "platform/hid/Bus.h"
#include "platform/hook/CKeyboardHook.h"
#include "platform/ui/EditControl.h"

class COSDDialog;
class CMainWindowPart;
class CKeyMapPage;
class CRecordPage;
class CMacroPage;
class CLightPage;
class CProfileBar;

// The configurator's one window: four pages (KEY MAP, RECORD, MACRO, LIGHT)
// over a common frame with the profile bar, the keyboard link, the tray icon
// and the files. The window keeps the frame and routes the controls'
// messages to the part that owns them. It runs modally for the life of the
// program; closing it only hides it.
class CTarvikDlg : public CDlgBase, public LinkOwner {
public:
    // Control groups; the pages are numbered like g_currentPage.
    enum ControlGroup {
        kAlwaysGroup = 1,
        kKeyMapGroup = 2,
        kRecordGroup = 3,
        kMacroGroup = 4,
        kLightGroup = 5
    };
    enum Page { kKeyMapPage = 0, kRecordPage = 1, kMacroPage = 2, kLightPage = 3 };
    static constexpr int kPageCount = 4;

    static constexpr ui::UINT kHookKeyMessage = CKeyboardHook::kKeyMessage;  // 0x401
    static constexpr ui::UINT kTrayMessage = 0x420;
    static constexpr ui::UINT kStatusMessage = 0x42B;
    static constexpr std::uintptr_t kOsdTimer = 1;
    static constexpr unsigned kOsdTickMilliseconds = 1000;
    static constexpr std::uint32_t kOsdTicks = 5;
    // Work handed over by the link's threads (see RunOnOwnerThread).
    static constexpr ui::UINT kQueuedWorkMessage = ui::WM_APP + 1;
    static constexpr ui::UINT kTrayIconId = 381;
    static constexpr ui::UINT kShowWindowCommand = 2075;
    static constexpr ui::UINT kExitCommand = 2;
    static constexpr const char* kTrayTip = "Quelda Keyboard";
    // Where the pages paint their pictures.
    static constexpr int kPageBandTop = 169;

    explicit CTarvikDlg(hid::Bus& bus = hid::bus());
    ~CTarvikDlg() override;

    ui::BOOL OnInitDialog() override;
    void CreateControls(const ui::Rect& client) override;
    ui::LRESULT WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) override;
    bool PreTranslateMessage(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) override;
    void DrawBackground(ui::DeviceContext& dc, const ui::Rect& rect) override;

    // Puts profile p's names, lighting captions and key codes on the controls.
    void ShowProfile(int profile);
    // Shows the profile config.ini names as current.
    void RefreshProfile();
    void SwitchPage(int page);
    // Before the window is made: it starts hidden, living in the tray.
    void StartInTray() { setShowAfterInit(ui::ShowCommand::hide); }
    // Out of the tray: shown, restored and in front.
    void BringToFront();
    // The on-screen display shows the text; a new text keeps it up for another five ticks.
    void ShowStatus(const std::string& text);

    // LinkOwner: the link's work, always on the window thread.
    void RunOnOwnerThread(std::function<void()> work) override;
    void Refresh() override { RefreshProfile(); }
    void PostStatusMessage(std::uint32_t code) override;
    void ShowAttention(const std::string& text) override;
    void LaunchProgram(const std::string& path) override;

    // Told the window's handle once it exists, and an empty one when it is gone.
    std::function<void(ui::WindowHandle)> onWindowCreated;

    const std::string& ProgramFolder() const { return m_programFolder; }
    ConfiguratorData& Data() { return m_data; }
    KeyboardLink& Link() { return m_link; }
    PendingWrites& Pending() { return m_pendingWrites; }
    CKeyboardHook& KeyboardHook() { return m_keyboardHook; }
    ui::EditControl& LoopEdit();
    const ui::Font& DialogFont() const { return m_dialogFont; }
    // The program's one "library modified" mark, shared with the keyboard link.
    bool LibraryModified() const { return m_data.model.MacrosModified(); }
    // The library changed and is not written yet: the next Apply writes it.
    void MarkLibraryModified() { m_data.model.SetMacrosModified(true); }
    // Writes the library file; it stays marked for the next Apply when it cannot be written.
    bool SaveLibrary() { return m_data.model.SaveMacroLibrary(); }
    KeyboardProtocol& Protocol() { return m_protocol; }
    // The last status code the keyboard reported (0: none yet).
    std::uint32_t LastStatus() const { return m_lastStatus; }
    // The on-screen display while it is up (else null), and the ticks it has left.
    COSDDialog* OsdWindow() const { return m_osdWindow.get(); }
    std::uint32_t OsdCountdown() const { return m_osdCountdown; }

    CKeyMapPage& KeyMap() { return *m_keyMap; }
    CRecordPage& Record() { return *m_record; }
    CMacroPage& Macro() { return *m_macro; }
    CLightPage& Light() { return *m_light; }
    CProfileBar& ProfileBar() { return *m_profileBar; }

protected:
    void OnDestroy() override;
    void OnLButtonDown(ui::UINT flags, ui::Point point) override;
    void OnMouseWheel(ui::UINT flags, int delta, ui::Point screen) override;
    bool OnCommand(ui::WPARAM wParam, ui::LPARAM lParam) override;
    void OnTimer(std::uintptr_t id) override;

private:
    void AddFrameControls();
    const ui::MemoryDC* PagePicture(int page);
    void OnStatusMessage(std::uint32_t code);
    void OnOsdTimer();
    void DeleteOsd();
    void OnTrayIcon(ui::UINT iconId, ui::UINT mouseMessage);
    void ShowTrayMenu();
    void OnWebLink(ui::LPARAM code);
    bool OnFrameMessage(ui::UINT id, ui::LPARAM code);
    bool OnControlMessage(ui::UINT id, ui::LPARAM code);
    // The pages in page order, then the profile bar.
    std::array<CMainWindowPart*, kPageCount + 1> Parts() const;

    std::string m_programFolder;
    ConfiguratorData m_data;
    KeyboardLink m_link;
    PendingWrites m_pendingWrites;
    KeyboardProtocol m_protocol;
    CKeyboardHook m_keyboardHook;
    std::unique_ptr<CKeyMapPage> m_keyMap;
    std::unique_ptr<CRecordPage> m_record;
    std::unique_ptr<CMacroPage> m_macro;
    std::unique_ptr<CLightPage> m_light;
    std::unique_ptr<CProfileBar> m_profileBar;
    std::unique_ptr<ui::MemoryDC> m_pagePictures[kPageCount];
    bool m_trayIconAdded = false;
    std::uint32_t m_lastStatus = 0;
    std::unique_ptr<COSDDialog> m_osdWindow;
    std::uint32_t m_osdCountdown = 0;
    core::WorkQueue m_work;
};
