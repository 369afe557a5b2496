#pragma once

#include "platform/ui/Types.h"

// Where a list's first visible line goes when a part of its scroll bar is
// pressed (the bar's part numbers) or the wheel turns a line. Positions stay
// within 0..total - page; a list that fits its page does not move down.
int ScrolledPosition(ui::WPARAM part, int position, int page, int total);
