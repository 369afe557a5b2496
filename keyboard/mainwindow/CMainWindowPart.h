#pragma once

#include <memory>
#include <string>

#include "keyboard/resources/LayoutRect.h"
#include "platform/ui/Types.h"

class CTarvikDlg;
struct ProfileRecord;
namespace ui {
class Window;
}

// A part of the main window that keeps its own controls and handles their
// messages: one of the four pages, or the profile bar shown on all of them.
class CMainWindowPart {
public:
    explicit CMainWindowPart(CTarvikDlg& window) : m_window(window) {}
    virtual ~CMainWindowPart() = default;
    CMainWindowPart(const CMainWindowPart&) = delete;
    CMainWindowPart& operator=(const CMainWindowPart&) = delete;

    // Adds the part's controls to the window, shown when `shown`.
    virtual void CreateControls(bool shown) = 0;
    // Puts a profile's values on the part's controls.
    virtual void ShowProfile(const ProfileRecord&) {}
    // The page became current (true) or another did (false).
    virtual void OnPageShown(bool) {}
    // A control's notification (message = control id, code in lParam); true
    // when the control is the part's.
    virtual bool OnControlMessage(ui::UINT id, ui::LPARAM code) = 0;
    // A message of the part's popups and dialogs (their reports, the popups'
    // close notifications); true when the part took it.
    virtual bool OnWindowMessage(ui::UINT /*message*/, ui::WPARAM, ui::LPARAM) { return false; }

protected:
    CTarvikDlg& m_window;
};

// A control's rectangle from its place in the layout.
inline ui::Rect ToRect(const layout::LayoutRect& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

// A skinned button at its place, with the place's picture when it has one.
template <typename Button>
std::unique_ptr<Button> MakeButton(ui::Window* parent, const layout::ControlPlace& place, ui::BOOL visible) {
    auto button = std::make_unique<Button>(parent, place.id, ToRect(place.rect), std::string{}, visible);
    if constexpr (requires { button->SetImage(1); }) {
        if (place.image != 0) {
            button->SetImage(static_cast<int>(place.image));
        }
    }
    return button;
}
