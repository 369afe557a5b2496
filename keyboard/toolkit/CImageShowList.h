#pragma once

#include <string>

#include "keyboard/model/MacroLibrary.h"
#include "keyboard/toolkit/ButtonState.h"
#include "keyboard/toolkit/CControlBase.h"
#include "platform/ui/Image.h"

// The actions of one macro, one 20-pixel row each with an icon: a key press,
// a key release or a delay. The owner sets the macro, the first visible row
// and the selection and redraws.
class CImageShowList : public CControlBase {
public:
    static constexpr int kReleaseIcon = 191;
    static constexpr int kPressIcon = 192;
    static constexpr int kDelayIcon = 193;
    static constexpr int kRowHeight = 20;

    CImageShowList(ui::Window* parent, ui::UINT id, const ui::Rect& rect, const std::string& text = {},
                   ui::BOOL visible = ui::TRUE, ui::BOOL disabled = ui::FALSE);

    // "A Press", "A Release" or "2000ms".
    static std::string ActionText(const MacroAction& action);

    void Draw(ui::DeviceContext& dc, const ui::Rect& clip) override;
    ui::BOOL OnMouseMove(ui::UINT flags, int x, int y) override;
    ui::BOOL OnLButtonDown(ui::UINT flags, int x, int y) override;
    ui::BOOL OnLButtonUp(ui::UINT flags, int x, int y) override;

    int VisibleRows() const { return m_visibleRows; }
    ui::Size IconSize() const { return m_releaseIcon.size(); }

    MacroKey* m_macro = nullptr;
    int m_selection = -1;
    int m_firstRow = 0;

private:
    int ActionCount() const;
    const ui::Image& IconFor(const MacroAction& action) const;

    ui::Image m_releaseIcon;
    ui::Image m_pressIcon;
    ui::Image m_delayIcon;
    ButtonState m_state;
    int m_visibleRows;
};
