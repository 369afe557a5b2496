#pragma once

#include <string>

#include "platform/ui/DeviceContext.h"
#include "platform/ui/Font.h"
#include "platform/ui/MouseTracker.h"
#include "platform/ui/Window.h"

class CDlgBase;

// The base of the popup selectors: a borderless, topmost tool window that
// draws its items itself, reports the chosen item to its owner and tells the
// owner when it loses activation. It deletes itself once its window is gone.
class CWndPopup : public ui::Window {
public:
    static constexpr ui::UINT kClosedMessage = 1025;

    CWndPopup();
    ~CWndPopup() override;

    // Creates the window at the screen rectangle's top-left; FALSE when it cannot be created.
    ui::BOOL Open(CDlgBase* owner, const ui::Rect& screenRect, ui::UINT notifyMessage,
                  ui::UINT ownerControlId);

    // The message sent to the owner on losing activation, for a kind; 0 for an unknown kind.
    static ui::UINT CloseMessageOf(int kind);

    void PostNcDestroy() override { delete this; }

    int Kind() const { return m_kind; }
    ui::UINT NotifyMessage() const { return m_notifyMessage; }
    ui::UINT OwnerControlId() const { return m_ownerControlId; }

protected:
    virtual void DrawItems(ui::DeviceContext& dc, const ui::Rect& client);
    virtual void DrawExtra(ui::DeviceContext&, const ui::Rect&) {}
    virtual void BuildItems();
    virtual ui::BOOL OnHover(int x, int y);
    virtual ui::BOOL OnPress(int x, int y);
    virtual ui::BOOL OnRelease(int x, int y);

    // Paints the frame and the items into a buffer and shows it at once.
    void Redraw();
    ui::Window* Owner() const { return m_owner; }

    int OnCreate() override;
    void OnClose() override;
    void OnPaint() override;
    ui::BOOL OnEraseBkgnd() override { return ui::TRUE; }
    void OnMouseMove(ui::UINT flags, ui::Point point) override;
    void OnMouseHover(ui::UINT flags, ui::Point point) override;
    void OnMouseLeave() override;
    void OnLButtonDown(ui::UINT flags, ui::Point point) override;
    void OnLButtonUp(ui::UINT flags, ui::Point point) override;
    // Losing activation tells the owner, which closes the popup.
    ui::BOOL OnNcActivate(ui::BOOL active) override;

    ui::MouseTracker m_mouse;
    ui::Font m_font;
    int m_left = 0;
    int m_top = 0;
    int m_width = 100;
    ui::UINT m_notifyMessage = 0;
    ui::UINT m_ownerControlId = 0;
    int m_kind = 0;

private:
    ui::Point CursorInClient() const;

    ui::Window* m_owner = nullptr;
};
