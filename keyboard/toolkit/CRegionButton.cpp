#include "keyboard/toolkit/CRegionButton.h"

#include "keyboard/toolkit/ControlDrawing.h"

CRegionButton::CRegionButton(ui::Window* parent, ui::UINT id, const ui::Rect& rect, const std::string& text,
                             ui::BOOL visible, ui::BOOL disabled, ui::BOOL)
    : CButtonBase(parent, id, rect, text, visible, disabled, 1) {}

void CRegionButton::Draw(ui::DeviceContext& dc, const ui::Rect&) {
    ui::MemoryDC bitmap(LoadBitmapResource(m_bitmapId));
    if (bitmap.image().isNull()) {
        return;
    }
    ui::COLORREF key = bitmap.getPixel(m_keyPoint.x, m_keyPoint.y);
    int frame = m_state.Get();
    TransparentBlitKey(dc, m_rect.left, m_rect.top, m_frameWidth, m_frameHeight, bitmap, frame * m_frameWidth,
                       0, m_frameWidth, m_frameHeight, key);
}
