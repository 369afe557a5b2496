#pragma once

#include "keyboard/toolkit/ButtonState.h"
#include "keyboard/toolkit/CControlBase.h"
#include "keyboard/toolkit/ImageStrip.h"

// What the button classes share: the normal / hover / pressed model, the press
// (code 1) and click reports, and an image strip for their looks. Disabled
// buttons ignore the mouse and report nothing.
class CButtonBase : public CControlBase {
public:
    // Loads the button's PNG strip; FALSE when the resource is missing.
    virtual ui::BOOL SetImage(int resourceId) { return m_image.Load(resourceId); }
    // A picture made at run time instead of a resource (generated looks, tests).
    void SetStripImage(ui::Image image) { m_image.SetImage(std::move(image)); }
    int GetState() const { return m_state.Get(); }
    // Forgets hover and press, as when the button was hidden in the middle of them.
    void ResetState() {
        if (m_state.Reset()) {
            InvalidateSelf();
        }
    }
    const ImageStrip& Strip() const { return m_image; }

    ui::BOOL OnMouseMove(ui::UINT flags, int x, int y) override;
    ui::BOOL OnLButtonDown(ui::UINT flags, int x, int y) override;
    ui::BOOL OnLButtonUp(ui::UINT flags, int x, int y) override;

protected:
    CButtonBase(ui::Window* parent, ui::UINT id, const ui::Rect& rect, const std::string& text,
                ui::BOOL visible, ui::BOOL disabled, int frames);

    // What a release inside the button does; the plain click sends code 2.
    virtual void OnClick() { Notify(kNotifyClicked); }
    void DrawFrame(ui::DeviceContext& dc, int frame) const { m_image.DrawFrame(dc, frame, m_rect); }

    ImageStrip m_image;
    ButtonState m_state;
};
