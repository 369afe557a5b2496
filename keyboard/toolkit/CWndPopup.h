#pragma once

#include <string>

#include "platform/ui/DeviceContext.h"
#include "platform/ui/Font.h"
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

    ui::LRESULT WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) override;
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

    bool m_mouseTracked = false;
    bool m_pressed = false;
    bool m_capturing = false;
    ui::Font m_font;
    int m_left = 0;
    int m_top = 0;
    int m_width = 100;
    ui::UINT m_notifyMessage = 0;
    ui::UINT m_ownerControlId = 0;
    int m_kind = 0;

private:
    void OnCreate();
    ui::Point CursorInClient() const;

    ui::Window* m_owner = nullptr;
};
