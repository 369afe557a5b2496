#include "keyboard/dialogs/DialogButtons.h"

#include <memory>

ui::Rect PlaceInClient(const ui::Rect& r, const ui::Rect& client) {
    return {client.left + r.left, client.top + r.top, client.left + r.right, client.top + r.bottom};
}

CRegionButton* AddRegionButton(CDlgBase& dialog, ui::UINT id, const ui::Rect& rect, int bitmapId,
                               ui::Size frame, ui::Point keyPoint) {
    auto* button = dialog.AddControl(1, std::make_unique<CRegionButton>(&dialog, id, rect));
    button->m_bitmapId = bitmapId;
    button->m_frameWidth = frame.width;
    button->m_frameHeight = frame.height;
    button->m_keyPoint = keyPoint;
    return button;
}

void AddConfirmationButtons(CDlgBase& dialog, const ui::Rect& client) {
    const ui::Point key{0, 0};
    AddRegionButton(dialog, kCloseButton, PlaceInClient({475, 7, 490, 23}, client), 154, {15, 16}, key);
    AddRegionButton(dialog, kOkButton, PlaceInClient({149, 192, 247, 225}, client), 162, {98, 33}, key);
    AddRegionButton(dialog, kCancelButton, PlaceInClient({249, 192, 347, 225}, client), 163, {98, 33}, key);
}

bool EndOnButtonClick(CDlgBase& dialog, ui::UINT message, ui::LPARAM code) {
    if (code != kNotifyClicked) {
        return false;
    }
    switch (message) {
        case kCloseButton:
        case kCancelButton:
            dialog.OnCancel();
            return true;
        case kOkButton:
            dialog.OnOK();
            return true;
        default:
            return false;
    }
}
