#pragma once

#include <string>

#include "platform/ui/DeviceContext.h"
#include "platform/ui/Font.h"
#include "platform/ui/Types.h"
#include "platform/ui/Window.h"

// Codes a control sends as lParam of the message numbered with its own id.
enum ControlNotification : ui::LPARAM {
    kNotifyPressed = 1,
    kNotifyClicked = 2,
    kNotifyThumbDragged = 3,
    kNotifyMouseEntered = 4,
    kNotifyMouseLeft = 5,
    kNotifyNameAdded = 11,
    kNotifyNameExists = 12,
    kNotifyNameTooLong = 13,
};

// The root of the owner-drawn controls. A control has no window of its own: it
// lives in a dialog, which draws it into its back buffer, hands it the mouse
// and owns it. Mouse operations take the parent's client coordinates and
// return TRUE when the control's look changed, so the dialog repaints it.
class CControlBase {
public:
    CControlBase(ui::Window* parent, ui::UINT id, const ui::Rect& rect, const std::string& text,
                 ui::BOOL visible, ui::BOOL disabled, ui::BOOL tracksMouse);
    virtual ~CControlBase();
    CControlBase(const CControlBase&) = delete;
    CControlBase& operator=(const CControlBase&) = delete;

    virtual void Draw(ui::DeviceContext& dc, const ui::Rect& clip) = 0;
    // Hooks without behaviour in this program, kept so that every control
    // answers them the same way.
    virtual int OnHook(int, int) { return 0; }
    // The dialog calls this with 0 on the control of the last press when
    // something else is pressed or a popup closes.
    virtual int OnPressLost(int) { return 0; }
    virtual void SetRect(const ui::Rect& rect);
    virtual ui::Rect GetRect() const;
    // Stores a different text and repaints the control's rectangle; the same text changes nothing.
    virtual void SetText(const std::string& text);
    virtual std::string GetText() const;
    virtual void SetVisible(ui::BOOL visible);
    virtual ui::BOOL OnMouseMove(ui::UINT flags, int x, int y);
    virtual ui::BOOL OnLButtonDown(ui::UINT flags, int x, int y);
    virtual ui::BOOL OnLButtonUp(ui::UINT flags, int x, int y);
    virtual ui::BOOL OnLButtonDblClk(ui::UINT flags, int x, int y);
    virtual ui::BOOL OnIdleHook() { return ui::TRUE; }
    virtual ui::BOOL OnUpdateHook() { return ui::TRUE; }

    ui::UINT GetId() const { return m_id; }
    ui::BOOL IsVisible() const { return m_visible; }
    ui::BOOL IsDisabled() const { return m_disabled; }
    void SetDisabled(ui::BOOL disabled) { m_disabled = disabled; }
    ui::BOOL TracksMouse() const { return m_tracksMouse; }
    ui::Window* GetParent() const { return m_parent; }
    const ui::Font& GetFont() const { return m_font; }
    bool Contains(int x, int y) const { return m_rect.contains({x, y}); }

protected:
    // Reports to the parent: message = id, lParam = code.
    void Notify(ui::LPARAM code, ui::WPARAM wParam = 0) const;
    void InvalidateSelf() const;

    ui::UINT m_id;
    ui::Rect m_rect;
    ui::BOOL m_visible;
    ui::BOOL m_disabled;
    ui::BOOL m_tracksMouse;
    std::string m_text;
    ui::Window* m_parent;
    ui::Font m_font;
};
