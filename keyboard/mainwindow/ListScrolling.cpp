#include "keyboard/mainwindow/ListScrolling.h"

#include <algorithm>

#include "keyboard/toolkit/CVScrollBar.h"

int ScrolledPosition(ui::WPARAM part, int position, int page, int total) {
    const int last = total - page;
    switch (part) {
        case CVScrollBar::kUpArrow:
            return position > 0 ? position - 1 : position;
        case CVScrollBar::kDownArrow:
            return position < last ? position + 1 : position;
        case CVScrollBar::kTrackAbove:
            return std::max(position - page + 1, 0);
        case CVScrollBar::kTrackBelow:
            return position < last ? std::min(last, position + page - 1) : position;
        default:
            return position;
    }
}
