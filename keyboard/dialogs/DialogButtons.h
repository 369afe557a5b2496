#pragma once

#include "keyboard/toolkit/CDlgBase.h"
#include "keyboard/toolkit/CRegionButton.h"

// `rect` given from the client rectangle's top-left corner.
ui::Rect PlaceInClient(const ui::Rect& rect, const ui::Rect& client);

// A region button of a bitmap strip whose frames are frameWidth × frameHeight,
// its key colour taken at keyPoint, placed at `rect` of `dialog`.
CRegionButton* AddRegionButton(CDlgBase& dialog, ui::UINT id, const ui::Rect& rect, int bitmapId,
                               ui::Size frame, ui::Point keyPoint);

// The close, OK and Cancel buttons of the 496 × 247 confirmation dialogs.
void AddConfirmationButtons(CDlgBase& dialog, const ui::Rect& client);

// Message codes of the dialogs' buttons.
inline constexpr ui::UINT kCloseButton = 2004;
inline constexpr ui::UINT kOkButton = 2010;
inline constexpr ui::UINT kCancelButton = 2011;

// Close and Cancel cancel the dialog, OK runs its OnOK; TRUE when the message
// was one of their clicks.
bool EndOnButtonClick(CDlgBase& dialog, ui::UINT message, ui::LPARAM code);
