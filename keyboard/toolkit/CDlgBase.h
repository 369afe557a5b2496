#pragma once

#include <array>
#include <memory>
#include <vector>

#include "keyboard/toolkit/CControlBase.h"
#include "platform/ui/DeviceContext.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Image.h"
#include "platform/ui/MouseTracker.h"
#include "platform/ui/Region.h"
#include "platform/ui/WindowHandle.h"

class CWndPopup;

// The base of every skinned window: a bitmap background, an optional shape
// taken from a bitmap, five ordered groups of owner-drawn controls painted
// through a back buffer, the mouse turned into calls of the controls, a window
// drag from any point that is not a control, and the popups it opened.
class CDlgBase : public ui::Dialog {
public:
    static constexpr int kGroups = 5;
    static constexpr int kPopupKinds = 11;  // kinds 0..4 and 8..10 are used
    static constexpr int kIconId = 381;

    explicit CDlgBase(ui::Window* owner = nullptr);
    ~CDlgBase() override;

    ui::BOOL OnInitDialog() override;

    // Paints the whole client area; the common part is the background and the controls.
    virtual void DrawBackground(ui::DeviceContext& dc, const ui::Rect& rect);
    // The background bitmap alone, for windows that paint more over it before the controls.
    void DrawBackgroundPicture(ui::DeviceContext& dc, const ui::Rect& rect) const;
    virtual void DrawControls(ui::DeviceContext& dc, const ui::Rect& clip);
    virtual void CreateControls(const ui::Rect& client) = 0;

    void SetBackground(int bitmapId);
    void SetShapeFromBitmap(int bitmapId);
    CControlBase* FindControl(ui::UINT id) const;

    // Takes ownership; group 1..5.
    template <typename Control>
    Control* AddControl(int group, std::unique_ptr<Control> control) {
        Control* raw = control.get();
        m_groups.at(static_cast<std::size_t>(group - 1)).push_back(std::move(control));
        return raw;
    }
    const std::vector<std::unique_ptr<CControlBase>>& Group(int group) const {
        return m_groups.at(static_cast<std::size_t>(group - 1));
    }

    // Popup slots: an open popup per kind, not owned (a popup deletes itself).
    void SetPopup(int kind, CWndPopup* popup);
    CWndPopup* Popup(int kind) const;
    void ClosePopup(int kind);

    CControlBase* HoveredControl() const { return m_hovered; }
    CControlBase* PressedControl() const { return m_pressedControl; }
    ui::Point LastMousePoint() const { return m_lastPoint; }
    ui::Size BackgroundSize() const { return {m_backgroundWidth, m_backgroundHeight}; }

protected:
    // Clicks on these ids repaint the whole window: they switch pages or profiles.
    virtual bool RepaintsWholeWindow(ui::UINT id) const;
    // Forgets the control of the last press when it is not the hovered one.
    void ReleaseStalePress();

    int m_width = 805;
    int m_height = 588;
    ui::Region m_region;
    ui::Font m_dialogFont;
    int m_icon = kIconId;
    int m_backgroundWidth = 100;
    int m_backgroundHeight = 100;
    std::unique_ptr<ui::MemoryDC> m_background;
    ui::MouseTracker m_mouse;
    ui::Rect m_pressRect = kNoRect;
    ui::Point m_lastPoint = kNoPoint;
    std::array<std::vector<std::unique_ptr<CControlBase>>, kGroups> m_groups;
    CControlBase* m_hovered = nullptr;
    CControlBase* m_pressedControl = nullptr;
    struct PopupSlot {
        CWndPopup* popup = nullptr;
        ui::WindowHandle window;
    };
    std::array<PopupSlot, kPopupKinds> m_popups;

    static constexpr ui::Rect kNoRect{-1, -1, -1, -1};
    static constexpr ui::Point kNoPoint{-1, -1};

    void OnPaint() override;
    ui::BOOL OnEraseBkgnd() override { return ui::TRUE; }
    void OnMouseMove(ui::UINT flags, ui::Point point) override;
    void OnMouseLeave() override;
    void OnMouseHover(ui::UINT flags, ui::Point point) override;
    void OnLButtonDown(ui::UINT flags, ui::Point point) override;
    void OnLButtonUp(ui::UINT flags, ui::Point point) override;
    void OnLButtonDblClk(ui::UINT flags, ui::Point point) override;

private:
    bool StillOwns(const CControlBase* control) const;
    template <typename Visit>
    void ForEachControl(Visit&& visit) const;

    // The picture of the last shape, kept until the background takes it.
    ui::Image m_shapeBitmap;
    int m_shapeBitmapId = 0;
};
